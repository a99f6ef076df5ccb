#include "platform/ReaderVisibility.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QWidget>

#ifdef BRAINLOCK_ATSPI_VISIBILITY
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#include <QtGui/private/qspiaccessiblebridge_p.h>
#endif

namespace platform {

#ifdef BRAINLOCK_ATSPI_VISIBILITY

namespace {

// The bridge's own names: where an object lives on the bus, and what it says of its states.
const QString kObjectPathPrefix = QStringLiteral("/org/a11y/atspi/accessible/");
const QString kObjectEvents = QStringLiteral("org.a11y.atspi.Event.Object");

void sayVisible(QWidget* widget, bool visible) {
    QSpiAccessibleBridge* bridge = QSpiAccessibleBridge::instance();
    QAccessibleInterface* object = QAccessible::queryAccessibleInterface(widget);
    if (!bridge || !object || !object->isValid()) return;
    QDBusMessage changed = QDBusMessage::createSignal(
        kObjectPathPrefix + QString::number(QAccessible::uniqueId(object)), kObjectEvents,
        QStringLiteral("StateChanged"));
    changed << QStringLiteral("visible") << (visible ? 1 : 0) << 0
            << QVariant::fromValue(QDBusVariant(0)) << QVariantMap();
    bridge->dBusConnection().send(changed);
}

class VisibilityWatch final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType() &&
            QAccessible::isActive())
            sayVisible(static_cast<QWidget*>(watched), type == QEvent::Show);
        return false;
    }
};

} // namespace

void installReaderVisibility() {
    static VisibilityWatch* watch = nullptr;
    if (watch || !qApp) return;
    watch = new VisibilityWatch(qApp);
    qApp->installEventFilter(watch);
}

#else

void installReaderVisibility() {}

#endif

} // namespace platform
