// The effect label and the kind button. TProCustomLabel draws its caption rotated by any
// whole angle, moved by an offset, with shadow copies and a highlight in chosen directions,
// and aligned vertically; it reports the mouse entering and leaving it. TProLabel publishes
// it. TProButton is a push button whose Kind sets caption, modal result and the default and
// cancel flags at once, in twelve languages, and whose help and close kinds act by themselves.
#pragma once

#include "controls/ControlMouse.h"
#include "controls/ProCtrlsCore.h"
#include "platform/widgets/Colors.h"
#include "platform/window/PointerPresence.h"

#include <QPushButton>
#include <QWidget>
#include <functional>

class QPainter;
class QShortcut;

namespace controls {

class TProCustomLabel : public QWidget, public PublishedMouseEvents {
    Q_OBJECT
public:
    using Notify = std::function<void(QObject* sender)>;

    explicit TProCustomLabel(QWidget* parent = nullptr);

    // What a platform label keeps.
    QString caption() const { return caption_; }
    void setCaption(const QString& value);
    TAlignment alignment() const { return alignment_; }
    void setAlignment(TAlignment value);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool value);
    QWidget* focusControl() const { return focusControl_; }
    void setFocusControl(QWidget* control);
    bool showAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool value);
    bool transparent() const { return transparent_; }
    void setTransparent(bool value);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool value);
    platform::TColor color() const { return color_; }
    void setColor(platform::TColor value);
    platform::TColor fontColor() const { return fontColor_; }
    void setFontColor(platform::TColor value);

    // The effects.
    int angle() const { return angle_; }
    void setAngle(int value);
    int offsetX() const { return offsetX_; }
    void setOffsetX(int value);
    int offsetY() const { return offsetY_; }
    void setOffsetY(int value);
    TDirection highlightDirection() const { return highlightDirection_; }
    void setHighlightDirection(TDirection value);
    int highlightDepth() const { return highlightDepth_; }
    void setHighlightDepth(int value);
    platform::TColor highlightColor() const { return highlightColor_; }
    void setHighlightColor(platform::TColor value);
    TShadowStyle shadowStyle() const { return shadowStyle_; }
    void setShadowStyle(TShadowStyle value);
    TDirection shadowDirection() const { return shadowDirection_; }
    void setShadowDirection(TDirection value);
    int shadowDepth() const { return shadowDepth_; }
    void setShadowDepth(int value); // 0..1280
    int shadowSize() const { return shadowSize_; }
    void setShadowSize(int value); // 0..1280
    platform::TColor shadowColor() const { return shadowColor_; }
    void setShadowColor(platform::TColor value);
    TVerticalAlignment verticalAlignment() const { return verticalAlignment_; }
    void setVerticalAlignment(TVerticalAlignment value);
    // A second name of the vertical alignment.
    TVerticalAlignment layout() const { return verticalAlignment_; }
    void setLayout(TVerticalAlignment value) { setVerticalAlignment(value); }

    Notify OnMouseEnter;
    Notify OnMouseLeave;

protected:
    // Fire OnMouseEnter and OnMouseLeave; derived labels add to them.
    virtual void MouseEnter();
    virtual void MouseLeave();
    // After a change of the font or its colour, and the label's own handling of it.
    virtual void FontChanged() {}

    void paintEvent(QPaintEvent* event) override;
    // The label takes its own presses, as a control drawn on its window does: they do not
    // reach the window beneath.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void followPointer(bool inside);
    template <class T> void assign(T& field, const T& value);
    template <class T> void assignEffect(T& field, const T& value);
    void adjustBounds();
    void updateMnemonic();
    int textFlags() const;

    QString caption_;
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    QWidget* focusControl_ = nullptr;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
    platform::TColor color_ = platform::clBtnFace;
    platform::TColor fontColor_ = platform::clWindowText;

    int angle_ = 0;
    int offsetX_ = 0;
    int offsetY_ = 0;
    TDirection highlightDirection_ = drNone;
    int highlightDepth_ = 0;
    platform::TColor highlightColor_ = platform::clBtnHighlight;
    TShadowStyle shadowStyle_ = ssNone;
    TDirection shadowDirection_ = drNone;
    int shadowDepth_ = 0;
    int shadowSize_ = 0;
    platform::TColor shadowColor_ = platform::clBtnShadow;
    TVerticalAlignment verticalAlignment_ = vaTop;
    platform::PointerPresence pointer_;
    bool EffectsUpdating = false;
    int mnemonicId_ = 0;
};

class TProLabel : public TProCustomLabel {
    Q_OBJECT
public:
    using TProCustomLabel::TProCustomLabel;
};

class TProButton : public QPushButton {
    Q_OBJECT
public:
    using Notify = std::function<void(QObject* sender)>;

    explicit TProButton(QWidget* parent = nullptr);

    // Reading falls back to pbkCustom once default, cancel or modal result were changed by
    // hand; a changed caption alone keeps the kind.
    TProButtonKind kind() const;
    void setKind(TProButtonKind value);
    // The button's own Default setting. Qt moves its "default" look to whichever push button
    // has the focus; that look is not this setting and leaves the kind alone.
    bool defaultButton() const { return default_; }
    void setDefaultButton(bool value);
    int modalResult() const { return modalResult_; }
    void setModalResult(int value) { modalResult_ = value; }
    bool cancel() const { return cancel_; }
    void setCancel(bool value); // Escape clicks a cancel button in its window
    // While loading, a caption the button already has wins over the kind's.
    void setLoading(bool loading) { loading_ = loading; }

    // The help kinds show help, the close kinds close their window, the others set the
    // window's modal result and run OnClick.
    void Click();

    Notify OnClick;

private:
    void ordinaryClick();

    mutable TProButtonKind kind_ = pbkCustom;
    bool default_ = false;
    int modalResult_ = 0;
    bool cancel_ = false;
    bool loading_ = false;
    QShortcut* escape_ = nullptr;
};

// The caption of a button kind as Unicode text.
QString kindCaption(TProButtonKind kind);

} // namespace controls
