#include "controls/ProDlgs.h"

#include "controls/ProCtrls.h"
#include "platform/Application.h"
#include "platform/window/DialogWindow.h"
#include "platform/system/Help.h"
#include "platform/widgets/StdCtrls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFrame>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <cmath>
#include <memory>

namespace controls {

namespace {

// The message window is an alert to a screen reader, named by its caption; its label says
// the message, and only the label: a reader speaks an alert's labels and then its
// description, which would say the message twice. The bevel around it is decoration, left out.
class AccessibleInfoForm final : public QAccessibleWidget {
public:
    explicit AccessibleInfoForm(TInfoForm* form)
        : QAccessibleWidget(form, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(parts().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = parts();
        return index >= 0 && index < shown.size()
                   ? QAccessible::queryAccessibleInterface(shown.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(parts().indexOf(qobject_cast<QWidget*>(child->object())))
                     : -1;
    }

private:
    TInfoForm* form() const { return static_cast<TInfoForm*>(widget()); }
    QList<QWidget*> parts() const {
        QList<QWidget*> shown;
        for (QWidget* child : form()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child != form()->Bevel && !child->isWindow()) shown.append(child);
        return shown;
    }
};

QAccessibleInterface* accessibleFormFactory(const QString&, QObject* object) {
    if (auto* form = qobject_cast<TInfoForm*>(object)) return new AccessibleInfoForm(form);
    return nullptr;
}

constexpr QSize kClientSize{402, 169};
constexpr QRect kBevelBounds{10, 10, 381, 106};
constexpr QRect kImageBounds{15, 29, 48, 64};
constexpr QRect kLabelBounds{70, 20, 311, 86};
constexpr QRect kOkBounds{94, 128, 100, 30};
constexpr QRect kHelpBounds{208, 128, 100, 30};
constexpr int kCentredOkLeft = 151;
constexpr int kPointsPerInch = 72;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int scaled(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

// Each edge is scaled, so neighbouring right and bottom edges stay consistent.
QRect scaledRect(const QRect& r, int numerator, int denominator) {
    const int left = scaled(r.left(), numerator, denominator);
    const int top = scaled(r.top(), numerator, denominator);
    const int right = scaled(r.left() + r.width(), numerator, denominator);
    const int bottom = scaled(r.top() + r.height(), numerator, denominator);
    return {left, top, right - left, bottom - top};
}

// A font's size is kept in whole points: a pixel height becomes points at the screen's
// density, is scaled and rounded, and goes back to pixels.
QFont scaledFont(QFont font, int screenPpi, int numerator, int denominator) {
    if (font.pixelSize() > 0) {
        const int points = scaled(font.pixelSize(), kPointsPerInch, screenPpi);
        const int newPoints = scaled(points, numerator, denominator);
        font.setPixelSize(std::max(1, scaled(newPoints, screenPpi, kPointsPerInch)));
    } else {
        font.setPointSize(std::max(1, scaled(font.pointSize(), numerator, denominator)));
    }
    return font;
}

int screenPixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInch()))
                  : kDesignPixelsPerInch;
}
} // namespace

TProCommonDialog::TProCommonDialog(QWidget* owner)
    : QObject(owner)
    , font_(QApplication::font()) {}

QWidget* TProCommonDialog::ownerWindow() const {
    return qobject_cast<QWidget*>(parent());
}

TProInfoDialog::TProInfoDialog(QWidget* owner)
    : TProCommonDialog(owner) {}

TInfoForm::TInfoForm(QWidget* owner)
    : platform::TDialogWithoutCancel(owner) {
    static const bool registered = [] {
        QAccessible::installFactory(accessibleFormFactory);
        return true;
    }();
    (void)registered;
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(fromUtf8(LoadStr(infoCaptionId(dlEnglish))));
    setFixedSize(kClientSize);

    Bevel = new QFrame(this);
    Bevel->setObjectName(QStringLiteral("Bevel"));
    Bevel->setFrameShape(QFrame::Box);
    Bevel->setFrameShadow(QFrame::Sunken); // a lowered frame: shadow outside, light inside
    Bevel->setGeometry(kBevelBounds);

    Image = new platform::TImage(this);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setPixmap(QPixmap(QStringLiteral(":/images/information.png")));
    Image->setAccessibleName(QStringLiteral("Information"));
    Image->setGeometry(kImageBounds);

    InfoLabel = new TProLabel(this);
    InfoLabel->setObjectName(QStringLiteral("InfoLabel"));
    InfoLabel->setAutoSize(false);
    InfoLabel->setWordWrap(true);
    InfoLabel->setTransparent(true);
    InfoLabel->setGeometry(kLabelBounds);

    OKButton = new TProButton(this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(kOkBounds);
    OKButton->setKind(pbkOk);

    HelpButton = new TProButton(this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setGeometry(kHelpBounds);
    HelpButton->setKind(pbkHelp);

    // F1 opens the window's help topic, as its Help button does; without one it does nothing.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] {
        platform::guarded([&] {
            if (const int context = platform::helpContextFor(this)) platform::showHelp(context);
        });
    });
}

void TInfoForm::scaleTo(int screenPpi) {
    if (screenPpi == kDesignPixelsPerInch || screenPpi <= 0) return;
    const int m = screenPpi;
    const int d = kDesignPixelsPerInch;
    setFixedSize(scaled(width(), m, d), scaled(height(), m, d));
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setGeometry(scaledRect(child->geometry(), m, d));
    setFont(scaledFont(font(), screenPpi, m, d));
    // The picture keeps its natural size, beside the middle of the frame.
    const unsigned top =
        static_cast<unsigned>(Bevel->y() + Bevel->height() - kImageBounds.height());
    Image->setGeometry(Image->x(), static_cast<int>(top / 2), kImageBounds.width(),
                       kImageBounds.height());
}

void TProInfoDialog::Execute() {
    QWidget* owner = ownerWindow();
    auto form = std::make_unique<TInfoForm>(owner ? owner->window() : nullptr);
    form->InfoLabel->setCaption(InfoMessage);
    form->InfoLabel->setAlignment(Alignment);
    form->InfoLabel->setVerticalAlignment(VerticalAlignment);
    if (Language != dlEnglish) {
        form->setWindowTitle(fromUtf8(LoadStr(infoCaptionId(Language))));
        form->HelpButton->setKind(helpKindFor(Language));
    }
    if (!Caption.isEmpty()) form->setWindowTitle(Caption);
    platform::setHelpContext(form.get(), HelpContext);
    if (HelpContext == 0) {
        form->HelpButton->hide();
        form->OKButton->move(kCentredOkLeft, form->OKButton->y());
    }
    // A window's font when the owner is a window; a control's owner leaves Font in force.
    form->setFont(ParentFont && owner && owner->isWindow() ? owner->font() : font());
    form->scaleTo(screenPixelsPerInch());
    platform::centreOnScreen(*form);
    form->setWindowModality(Qt::ApplicationModal);
    QTimer::singleShot(0, form.get(), [window = form.get()] { // once it is on screen
        QAccessibleEvent alert(window, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    });
    form->exec(); // the window is released when `form` goes, also after an error
}

} // namespace controls
