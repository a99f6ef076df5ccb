// TTransparentButton: a windowless push button that paints only its caption, an optional
// glyph and, by frame style and by whether the pointer is over it or pressing it, a thin
// 3-D frame, so it sits on a skin picture. Glyph cells and their grey and disabled
// versions are made once per glyph change; a paint only picks one.
#pragma once

#include "controls/ControlMouse.h"
#include "controls/TransBtnLayout.h"
#include "platform/widgets/Colors.h"
#include "platform/window/PointerPresence.h"

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QPainter;

namespace controls {

class TTransparentButton : public QWidget {
    Q_OBJECT
public:
    using Notify = std::function<void(QObject* sender)>;

    explicit TTransparentButton(QWidget* parent = nullptr);

    bool autoGray() const { return autoGray_; }
    void setAutoGray(bool value);
    unsigned borderWidth() const { return borderWidth_; }
    void setBorderWidth(unsigned value);
    QString caption() const { return caption_; }
    void setCaption(const QString& value);
    platform::TColor color() const { return color_; }
    void setColor(platform::TColor value);
    platform::TColor fontColor() const { return fontColor_; }
    void setFontColor(platform::TColor value);
    bool down() const { return down_; }
    void setDown(bool value);
    bool flat() const { return flat_; }
    void setFlat(bool value);
    TFrameStyle frameStyle() const { return frameStyle_; }
    void setFrameStyle(TFrameStyle value);
    const QImage& glyph() const { return glyph_; }
    void setGlyph(const QImage& value); // always repaints
    int numGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int value); // 1..4; the glyph is not split again
    int offset() const { return offset_; }
    void setOffset(int value) { offset_ = value; }
    QMenu* dropDownMenu() const { return dropDownMenu_; }
    void setDropDownMenu(QMenu* menu) { dropDownMenu_ = menu; } // cleared when it is destroyed
    bool showPressed() const { return showPressed_; }
    void setShowPressed(bool value) { showPressed_ = value; }
    int spacing() const { return spacing_; }
    void setSpacing(int value);
    TTextAlign textAlign() const { return textAlign_; }
    void setTextAlign(TTextAlign value);
    bool transparent() const { return transparent_; }
    void setTransparent(bool value);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool value);

    Notify OnClick;
    MouseButtonNotify OnMouseDown;
    MouseMoveNotify OnMouseMove;
    MouseButtonNotify OnMouseUp;
    Notify OnMouseEnter;
    Notify OnMouseExit;

    // State a paint reads, for tests and derived buttons.
    bool pressed() const { return pressState_ == kPressed; }
    bool mouseInside() const { return mouseInside_; }
    QSize glyphCellSize() const { return cellSize_; }
    int glyphListCount() const { return static_cast<int>(glyphList_.size()); }
    const QImage& glyphListImage(int index) const;

    // Runs the click: OnClick. An error out of it returns the button to up and not hovered
    // and goes on to the caller.
    void Click();

protected:
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void PaintContent(QPainter& canvas);
    virtual void PaintFrame(QPainter& canvas);
    virtual void PaintCaption(const BtnRect& glyphRect, QPainter& canvas);
    virtual void PaintGlyph(BtnRect glyphRect, QPainter& canvas);
    virtual bool IsInside(int x, int y) const;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr unsigned char kUp = 0;
    static constexpr unsigned char kPressed = 1;

    template <class T> void assign(T& field, const T& value);
    void GlyphChanged();
    void BuildGlyphList();
    void setPressState(unsigned char state);
    void mouseUp(const QMouseEvent& event);
    bool popDropDownMenu();
    void followPointer(bool inside);
    void updateMnemonic();
    void frame(QPainter& canvas, BtnRect& r, platform::TColor top, platform::TColor bottom,
               unsigned width) const;

    bool autoGray_ = true;
    unsigned borderWidth_ = 1;
    QString caption_;
    platform::TColor color_ = platform::clBtnFace;
    platform::TColor fontColor_ = platform::clWindowText;
    bool down_ = false;
    bool flat_ = true;
    TFrameStyle frameStyle_ = fsExplorer;
    QImage glyph_;
    int numGlyphs_ = 1;
    int offset_ = 1;
    QPointer<QMenu> dropDownMenu_;
    bool showPressed_ = true;
    int spacing_ = 2;
    TTextAlign textAlign_ = ttaCenter;
    bool transparent_ = true;
    bool wordWrap_ = false;

    unsigned char pressState_ = kUp;
    bool mouseInside_ = false;
    platform::PointerPresence pointer_;
    bool leftPressedInside_ = false; // a left press inside, waiting for its release
    int mnemonicId_ = 0;
    QSize cellSize_;
    // The glyph cells in order, then the grey and the disabled version of the first cell,
    // each with its transparent colour already turned into alpha.
    std::vector<QImage> glyphList_;
    QImage checkerBitmap_;
};

} // namespace controls
