// TSevenSegment: a windowless LED-style display showing a number or a time of day in
// seven-segment cells. The layout comes from SevenLayout; this widget keeps the properties,
// repaints on every assignment and fills the planned shapes off screen, then copies them in
// one step so a change never shows half drawn.
#pragma once

#include "controls/SevenLayout.h"
#include "platform/widgets/Colors.h"

#include <QImage>
#include <QWidget>
#include <optional>

namespace controls {

class TSevenSegment : public QWidget {
    Q_OBJECT
public:
    explicit TSevenSegment(QWidget* parent = nullptr);

    // Every setter stores its value and requests a repaint, even when the value is unchanged.
    QString value() const { return QString::fromStdString(props_.value); }
    void setValue(const QString& value);
    int thickness() const { return props_.thickness; }
    void setThickness(int value);
    int space() const { return props_.space; }
    void setSpace(int value);
    int horzSpace() const { return props_.horzSpace; }
    void setHorzSpace(int value);
    int vertSpace() const { return props_.vertSpace; }
    void setVertSpace(int value);
    int colonSpace() const { return props_.colonSpace; }
    void setColonSpace(int value);
    int numberOfDigit() const { return props_.numberOfDigit; }
    void setNumberOfDigit(int value); // clamped to 1..20
    platform::TColor color() const { return color_; }
    void setColor(platform::TColor value);
    platform::TColor onColor() const { return onColor_; }
    void setOnColor(platform::TColor value);
    platform::TColor offColor() const { return offColor_; }
    void setOffColor(platform::TColor value);
    TSSType valueType() const { return props_.valueType; }
    void setValueType(TSSType value); // also resets Value: "0" or "00:00:00"
    bool showDecimalPoint() const { return props_.showDecimalPoint; }
    void setShowDecimalPoint(bool value);
    bool showPlusMinus() const { return props_.showPlusMinus; }
    void setShowPlusMinus(bool value);
    bool leadingZeros() const { return props_.leadingZeros; }
    void setLeadingZeros(bool value);

    // One paint into a fresh image of the control's size; nothing when the value does not
    // convert. In time mode it leaves NumberOfDigit at 6, as a paint does.
    std::optional<QImage> renderImage();

signals:
    void mouseDown(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    template <class T> void assign(T& field, const T& value);

    SevenProps props_;
    platform::TColor color_ = platform::clBlack;
    platform::TColor onColor_ = platform::clRed;
    platform::TColor offColor_ = platform::rgbColor(64, 64, 64);
    void valueShown();

    QImage lastImage_;           // what the control shows when a paint fails
    bool errorReported_ = false; // a bad Value is reported once, not on every repaint
};

} // namespace controls
