#include "controls/Seven.h"

#include "platform/Application.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace controls {

namespace {

// To a screen reader the display is a value, named by what it counts (its accessible name)
// and what it shows: "Number of guesses left: 10". A reader's review of the screen, its
// where-am-I and its list of a window's objects read a label's name, not its value.
class AccessibleSevenSegment final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleSevenSegment(TSevenSegment* display)
        : QAccessibleWidget(display, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return display()->value();
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || own.isEmpty() || display()->value().isEmpty()) return own;
        return own + QStringLiteral(": ") + display()->value();
    }
    QVariant currentValue() const override {
        bool number = false;
        const double value = display()->value().toDouble(&number);
        return number ? QVariant(value) : QVariant(display()->value());
    }
    void setCurrentValue(const QVariant&) override {} // it shows; the player does not set it
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

private:
    TSevenSegment* display() const { return static_cast<TSevenSegment*>(widget()); }
};

QAccessibleInterface* accessibleDisplayFactory(const QString&, QObject* object) {
    if (auto* display = qobject_cast<TSevenSegment*>(object))
        return new AccessibleSevenSegment(display);
    return nullptr;
}

constexpr int kDefaultWidth = 150;
constexpr int kDefaultHeight = 50;

QPolygon toPolygon(const std::vector<Pt>& points) {
    QPolygon polygon;
    for (const Pt& p : points)
        polygon << QPoint(p.x, p.y);
    return polygon;
}
} // namespace

TSevenSegment::TSevenSegment(QWidget* parent)
    : QWidget(parent) {
    static const bool registered = [] {
        QAccessible::installFactory(accessibleDisplayFactory);
        return true;
    }();
    (void)registered;
    // Opaque: every pixel is painted, so the parent need not paint beneath first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kDefaultWidth, kDefaultHeight);
    setSpace(2);
    setHorzSpace(8);
    setVertSpace(2);
    setColonSpace(4);
    setValue(QStringLiteral("0"));
    setThickness(5);
    setNumberOfDigit(5);
    setColor(platform::clBlack);
    setOnColor(platform::clRed);
    setOffColor(platform::rgbColor(64, 64, 64));
    setValueType(ssNumber);
    setShowDecimalPoint(true);
    setShowPlusMinus(false);
    setLeadingZeros(false);
}

template <class T> void TSevenSegment::assign(T& field, const T& value) {
    field = value;
    update();
}

void TSevenSegment::setValue(const QString& value) {
    errorReported_ = false;
    assign(props_.value, cutValue(value.toStdString(), props_.valueType));
    valueShown();
}

void TSevenSegment::valueShown() {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent changed(this, this->value());
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent named(this, QAccessible::NameChanged); // the name says the value too
    QAccessible::updateAccessibility(&named);
}

void TSevenSegment::setThickness(int value) {
    assign(props_.thickness, value);
}
void TSevenSegment::setSpace(int value) {
    assign(props_.space, value);
}
void TSevenSegment::setHorzSpace(int value) {
    assign(props_.horzSpace, value);
}
void TSevenSegment::setVertSpace(int value) {
    assign(props_.vertSpace, value);
}
void TSevenSegment::setColonSpace(int value) {
    assign(props_.colonSpace, value);
}
void TSevenSegment::setNumberOfDigit(int value) {
    assign(props_.numberOfDigit, clampNumberOfDigit(value));
}
void TSevenSegment::setColor(platform::TColor value) {
    assign(color_, value);
}
void TSevenSegment::setOnColor(platform::TColor value) {
    assign(onColor_, value);
}
void TSevenSegment::setOffColor(platform::TColor value) {
    assign(offColor_, value);
}
void TSevenSegment::setShowDecimalPoint(bool value) {
    assign(props_.showDecimalPoint, value);
}
void TSevenSegment::setShowPlusMinus(bool value) {
    assign(props_.showPlusMinus, value);
}
void TSevenSegment::setLeadingZeros(bool value) {
    assign(props_.leadingZeros, value);
}

void TSevenSegment::setValueType(TSSType value) {
    assign(props_.valueType, value);
    setValue(value == ssTime ? QStringLiteral("00:00:00") : QStringLiteral("0"));
}

std::optional<QImage> TSevenSegment::renderImage() {
    SevenProps props = props_;
    props.width = width();
    props.height = height();
    const SevenPlanResult result = planSevenSegment(props);
    if (!result.plan) {
        if (!errorReported_) {
            errorReported_ = true;
            platform::postApplicationError(QString::fromStdString(result.error));
        }
        return std::nullopt;
    }
    props_.numberOfDigit = result.plan->numberOfDigit; // time mode forces 6, without a setter

    // At the screen's resolution, so the segments stay sharp on a high-density screen; the
    // plan is in logical pixels and the painter scales it.
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(platform::toQColor(color_));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    const QColor on = platform::toQColor(onColor_);
    const QColor off = platform::toQColor(offColor_);
    for (const Shape& shape : result.plan->shapes) {
        const QColor& colour = shape.lit ? on : off;
        if (shape.kind == Shape::Box) {
            const Rect& r = shape.box;
            painter.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), colour);
        } else {
            painter.setBrush(colour);
            painter.drawPolygon(toPolygon(shape.points));
        }
    }
    return image;
}

void TSevenSegment::paintEvent(QPaintEvent*) {
    platform::guarded([&] {
        if (std::optional<QImage> image = renderImage()) lastImage_ = std::move(*image);
        QPainter painter(this);
        if (lastImage_.isNull()) {
            painter.fillRect(rect(), platform::toQColor(color_));
        } else {
            painter.drawImage(0, 0, lastImage_);
        }
    });
}

void TSevenSegment::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event);
    QWidget::mousePressEvent(event);
}

} // namespace controls
