// TBanner: a windowless control that moves an image across its area, one step per timer
// tick, in one of four directions. The image is a caller's bitmap, one line of text
// (ScrollText) or a list of lines (Lines), whichever was set last; text is rendered once into
// an image, so a step only copies pixels. Every paint is composed off screen and copied in
// one step onto an opaque control: scrolling does not flicker. While the banner is hidden
// its timer sleeps, and when it is shown again it catches up on the steps it missed, so the
// image stands exactly where the ticking would have brought it, with one repaint.
#pragma once

#include "controls/BannerCore.h"
#include "controls/ControlMouse.h"
#include "controls/ProCtrlsCore.h"
#include "platform/widgets/Colors.h"

#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <stdexcept>

class QTimer;

namespace controls {

class EBannerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TBanner : public QWidget, public PublishedMouseEvents {
    Q_OBJECT
public:
    using Notify = std::function<void(QObject* sender)>;

    explicit TBanner(QWidget* parent = nullptr);

    // A window builds its banner between these: setters of Enabled do nothing meanwhile, and
    // the end renders the text or lines and, with AutoEnable, starts the scrolling.
    void beginLoad() { loading_ = true; }
    void endLoad();

    bool autoEnable() const { return autoEnable_; }
    void setAutoEnable(bool value) { autoEnable_ = value; }
    const std::optional<QImage>& bitmap() const { return bitmap_; } // none: absent
    void setBitmap(const QImage& value);
    bool enabled() const { return enabled_; }
    void setEnabled(bool value); // throws EBannerError with no content to scroll
    const QStringList& lines() const { return lines_; }
    void setLines(const QStringList& value);
    TAlignment linesAlign() const { return linesAlign_; }
    void setLinesAlign(TAlignment value);
    bool noGap() const { return noGap_; }
    void setNoGap(bool value) { noGap_ = value; }
    bool onlyOnce() const { return onlyOnce_; }
    void setOnlyOnce(bool value) { onlyOnce_ = value; }
    TScrollDirection scrollDirection() const { return scrollDirection_; }
    void setScrollDirection(TScrollDirection value);
    int scrollInterval() const { return scrollInterval_; }
    void setScrollInterval(int value);
    int scrollPixels() const { return scrollPixels_; }
    void setScrollPixels(int value) { scrollPixels_ = static_cast<std::uint16_t>(value); }
    std::uint16_t scrollPosition() const { return scrollPosition_; }
    QString scrollText() const { return scrollText_; }
    void setScrollText(const QString& value) { RenderText(value); }
    platform::TColor color() const { return color_; }
    void setColor(platform::TColor value);
    platform::TColor fontColor() const { return fontColor_; }
    void setFontColor(platform::TColor value) { fontColor_ = value; }

    Notify OnScroll;
    Notify OnEnable;
    Notify OnDisable;

    void ScrollStep();
    // One paint into a fresh image of the banner's size.
    QImage composeFrame() const;

protected:
    virtual void PaintSingle(QImage& frame) const;
    virtual void PaintTiled(QImage& frame) const;

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void RenderText(const QString& text);
    void RenderLines();
    QImage newCanvas(int width, int height) const;
    QSize imageSize() const; // logical pixels; empty when there is no image
    bool hasUsableBitmap() const;
    void advance();
    void step(bool paintNow);
    void stepsMissedWhileHidden();

    bool autoEnable_ = true;
    std::optional<QImage> bitmap_ = QImage();
    bool enabled_ = false;
    QStringList lines_;
    TAlignment linesAlign_ = taCenter;
    bool noGap_ = false;
    bool onlyOnce_ = false;
    TScrollDirection scrollDirection_ = sdRightToLeft;
    int scrollInterval_ = 200;
    std::uint16_t scrollPixels_ = 4;
    std::uint16_t scrollPosition_ = 0;
    QString scrollText_;
    platform::TColor color_ = platform::clBtnFace;
    platform::TColor fontColor_ = platform::clWindowText;
    bool loading_ = false;
    QTimer* timer_ = nullptr;
    QElapsedTimer clock_;
    qint64 lastStepMs_ = 0; // on clock_: when the last step was due, also while hidden
};

} // namespace controls
