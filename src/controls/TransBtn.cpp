#include "controls/TransBtn.h"

#include "controls/TransBtnBitmaps.h"
#include "platform/Accessibility.h"
#include "platform/Application.h"

#include <QAccessibleWidget>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace controls {

using platform::TColor;
using platform::toQColor;

namespace {

constexpr int kInitialSize = 40;
constexpr TColor kLightGrey = platform::rgbColor(223, 223, 223);

// Screen readers see a push button named by its caption that can be pressed.
class AccessibleTransparentButton final : public QAccessibleWidget {
public:
    explicit AccessibleTransparentButton(TTransparentButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !own.isEmpty()) return own;
        return QString(button()->caption()).remove(QLatin1Char('&'));
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction() || !platform::takesInput(button())) return;
        QPointer<TTransparentButton> pressed(button());
        platform::afterAnswering(pressed, [pressed] {
            if (platform::takesInput(pressed)) pressed->Click();
        });
    }

private:
    TTransparentButton* button() const { return static_cast<TTransparentButton*>(widget()); }
};

QAccessibleInterface* accessibleButtonFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("controls::TTransparentButton") && object->isWidgetType())
        return new AccessibleTransparentButton(static_cast<TTransparentButton*>(object));
    return nullptr;
}

} // namespace

TTransparentButton::TTransparentButton(QWidget* parent)
    : QWidget(parent) {
    static const bool registered = [] {
        QAccessible::installFactory(accessibleButtonFactory);
        return true;
    }();
    (void)registered;
    // Not opaque: the parent paints beneath first, and the button leaves pixels untouched.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, kInitialSize, kInitialSize);
    cellSize_ = size(); // the glyph list takes the control's size until a glyph is assigned
    checkerBitmap_ = CreateCheckerBitmap();
}

template <class T> void TTransparentButton::assign(T& field, const T& value) {
    if (field == value) return;
    field = value;
    update();
}

void TTransparentButton::setAutoGray(bool value) {
    assign(autoGray_, value);
}
void TTransparentButton::setBorderWidth(unsigned value) {
    assign(borderWidth_, value);
}
void TTransparentButton::setCaption(const QString& value) {
    if (caption_ == value) return;
    caption_ = value;
    updateMnemonic();
    update();
}
void TTransparentButton::setColor(TColor value) {
    assign(color_, value);
}
void TTransparentButton::setFontColor(TColor value) {
    assign(fontColor_, value);
}
void TTransparentButton::setFlat(bool value) {
    assign(flat_, value);
}
void TTransparentButton::setFrameStyle(TFrameStyle value) {
    assign(frameStyle_, value);
}
void TTransparentButton::setNumGlyphs(int value) {
    assign(numGlyphs_, std::clamp(value, 1, 4));
}
void TTransparentButton::setSpacing(int value) {
    assign(spacing_, value);
}
void TTransparentButton::setTextAlign(TTextAlign value) {
    assign(textAlign_, value);
}
void TTransparentButton::setTransparent(bool value) {
    assign(transparent_, value);
}
void TTransparentButton::setWordWrap(bool value) {
    assign(wordWrap_, value);
}

void TTransparentButton::setDown(bool value) {
    if (down_ == value) return;
    down_ = value;
    pressState_ = value ? kPressed : kUp;
    repaint();
}

void TTransparentButton::setGlyph(const QImage& value) {
    glyph_ = value.convertToFormat(QImage::Format_RGB32);
    GlyphChanged();
    update();
}

const QImage& TTransparentButton::glyphListImage(int index) const {
    return glyphList_.at(static_cast<std::size_t>(index));
}

void TTransparentButton::GlyphChanged() {
    update();
    setNumGlyphs(numGlyphsFor(glyph_.width(), glyph_.height(), numGlyphs_));
    BuildGlyphList();
}

void TTransparentButton::BuildGlyphList() {
    if (glyph_.isNull()) return;
    glyphList_.clear();
    cellSize_ = QSize(glyph_.width() / numGlyphs_, glyph_.height());
    QImage gray;
    QImage disabled;
    for (int i = 0; i < numGlyphs_; ++i) {
        const QImage scratch =
            glyph_.copy(i * cellSize_.width(), 0, cellSize_.width(), cellSize_.height());
        if (i == 0) {
            gray = scratch;
            GrayscaleBitmap(gray, 11, 59, 30);
            disabled = scratch;
            DisabledBitmap(disabled);
        }
        glyphList_.push_back(MaskedByTransparentColour(scratch));
    }
    glyphList_.push_back(MaskedByTransparentColour(gray));
    glyphList_.push_back(MaskedByTransparentColour(disabled));
    update();
}

void TTransparentButton::frame(QPainter& canvas, BtnRect& r, TColor top, TColor bottom,
                               unsigned width) const {
    const QColor topColour = toQColor(top);
    const QColor bottomColour = toQColor(bottom);
    for (unsigned ring = 0; ring < width; ++ring) {
        const int w = r.right - r.left;
        const int h = r.bottom - r.top;
        if (w <= 0 || h <= 0) break;
        canvas.fillRect(r.right - 1, r.top, 1, h, bottomColour);
        canvas.fillRect(r.left, r.bottom - 1, w, 1, bottomColour);
        canvas.fillRect(r.left, r.top, 1, h - 1, topColour);
        canvas.fillRect(r.left, r.top, w - 1, 1, topColour);
        ++r.left;
        ++r.top;
        --r.right;
        --r.bottom;
    }
}

void TTransparentButton::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    PaintFrame(canvas);
    PaintContent(canvas);
}

void TTransparentButton::PaintFrame(QPainter& canvas) {
    if (!transparent_) canvas.fillRect(rect(), toQColor(color_));
    BtnRect r{0, 0, width(), height()};
    const unsigned bw = borderWidth_;
    const bool shown = !flat_ || mouseInside_; // never in a form designer here
    if (pressState_ == kPressed) {
        switch (frameStyle_) {
        case fsRegular:
        case fsIndent:
            if (!showPressed_) break;
            frame(canvas, r, platform::clBlack, platform::clBtnHighlight, bw);
            frame(canvas, r, platform::clBtnShadow, platform::clBtnFace, bw);
            break;
        case fsExplorer:
            if (!mouseInside_ && !down_) break;
            if (showPressed_)
                frame(canvas, r, platform::clBtnShadow, platform::clBtnHighlight, bw);
            else
                frame(canvas, r, platform::clBtnHighlight, platform::clBtnShadow, bw);
            break;
        case fsNone:
            break;
        case fsLight:
            if (showPressed_) frame(canvas, r, platform::clBtnShadow, platform::clBtnHighlight, bw);
            break;
        case fsDark:
            if (showPressed_) frame(canvas, r, platform::cl3DDkShadow, platform::clBtnFace, bw);
            break;
        case fsMono:
            if (showPressed_)
                frame(canvas, r, platform::cl3DDkShadow, platform::clBtnHighlight, bw);
            break;
        }
        return;
    }
    switch (frameStyle_) {
    case fsRegular:
        if (!shown) break;
        frame(canvas, r, platform::clBtnHighlight, platform::clBlack, bw);
        frame(canvas, r, kLightGrey, platform::clBtnShadow, bw);
        break;
    case fsIndent:
        if (!shown) break;
        frame(canvas, r, platform::clBtnShadow, platform::clBtnHighlight, bw);
        frame(canvas, r, platform::clBtnHighlight, platform::clBtnShadow, bw);
        break;
    case fsExplorer:
        if (mouseInside_) frame(canvas, r, platform::clBtnHighlight, platform::clBtnShadow, bw);
        break;
    case fsNone: // a frame only in a form designer
        break;
    case fsLight:
        if (shown) frame(canvas, r, platform::clBtnHighlight, platform::clBtnShadow, bw);
        break;
    case fsDark:
        if (shown) frame(canvas, r, platform::clBtnFace, platform::cl3DDkShadow, bw);
        break;
    case fsMono:
        if (shown) frame(canvas, r, platform::clBtnHighlight, platform::cl3DDkShadow, bw);
        break;
    }
}

void TTransparentButton::PaintContent(QPainter& canvas) {
    const int gw = cellSize_.width() > 0 ? cellSize_.width() : glyph_.width();
    const int gh = cellSize_.height();
    const BtnRect g = glyphRect(textAlign_, width(), height(), gw, gh, spacing_);
    if (!glyph_.isNull()) PaintGlyph(g, canvas);
    if (!caption_.isEmpty()) PaintCaption(g, canvas);
}

void TTransparentButton::PaintGlyph(BtnRect g, QPainter& canvas) {
    const bool enabled = isEnabled();
    int index = glyphCellIndex(numGlyphs_, enabled, pressState_ == kPressed || down_);
    if (glyph_.isNull() || glyphList_.empty()) return;
    if ((pressState_ == kPressed && showPressed_) || down_) {
        g.left += offset_;
        g.top += offset_;
    }
    const int count = glyphListCount();
    if ((flat_ || frameStyle_ == fsExplorer) && autoGray_ && !mouseInside_ && !down_)
        index = count - 2;
    if (!enabled && numGlyphs_ == 1) index = count - 1;
    if (mouseInside_ && down_) {
        const int inset = static_cast<int>(borderWidth_) + 1;
        canvas.fillRect(rect().adjusted(inset, inset, -inset, -inset),
                        QBrush(QPixmap::fromImage(checkerBitmap_)));
    }
    canvas.drawImage(QPoint(g.left, g.top), glyphListImage(std::clamp(index, 0, count - 1)));
}

void TTransparentButton::PaintCaption(const BtnRect& g, QPainter& canvas) {
    canvas.setFont(font());
    const int wrap = wordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect extent = QFontMetrics(font()).boundingRect(QRect(0, 0, width(), height()),
                                                           wrap | Qt::TextShowMnemonic, caption_);
    const BtnPoint at =
        captionOrigin(textAlign_, width(), height(), extent.width(), extent.height(), g, spacing_);
    QRect t(at.x, at.y, extent.width(), extent.height());
    if (pressState_ == kPressed && showPressed_) t.translate(offset_, offset_);
    const int flags = Qt::AlignHCenter | Qt::TextDontClip | Qt::TextShowMnemonic | wrap;
    if (isEnabled()) {
        canvas.setPen(toQColor(fontColor_));
        canvas.drawText(t, flags, caption_);
        return;
    }
    // Engraved: the highlight one pixel lower right, the shadow on top.
    canvas.setPen(toQColor(platform::clBtnHighlight));
    canvas.drawText(t.translated(1, 1), flags, caption_);
    canvas.setPen(toQColor(platform::clBtnShadow));
    canvas.drawText(t, flags, caption_);
}

bool TTransparentButton::IsInside(int x, int y) const {
    return x >= 0 && y >= 0 && x < width() && y < height();
}

void TTransparentButton::setPressState(unsigned char state) {
    pressState_ = state;
    repaint();
}

void TTransparentButton::mousePressEvent(QMouseEvent* event) {
    event->accept(); // a press on the button never reaches the panel beneath
    if (!isEnabled()) return;
    const QPoint at = event->position().toPoint();
    const bool inside = IsInside(at.x(), at.y());
    followPointer(inside); // a press tells where the pointer is, whatever came before
    QPointer<TTransparentButton> self(this);
    platform::guarded([&] { fireMouseButton(OnMouseDown, this, *event); });
    if (!self) return;
    if (inside) setPressState(kPressed);
    if (event->button() == Qt::LeftButton) leftPressedInside_ = inside;
    if (dropDownMenu_ && event->button() == Qt::LeftButton) {
        if (!popDropDownMenu()) return;
        leftPressedInside_ = false; // the menu took the release
        mouseUp(*event);
    }
}

// Qt delivers the second press of a double click as a press of its own before this event,
// so quick repeated clicks each count; the double click itself adds nothing.
void TTransparentButton::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

// Pops the menu up below the button and returns once it closes; false when the button was
// destroyed meanwhile.
bool TTransparentButton::popDropDownMenu() {
    QPointer<TTransparentButton> self(this);
    dropDownMenu_->exec(mapToGlobal(QPoint(0, height())));
    return !self.isNull();
}

void TTransparentButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    QPointer<TTransparentButton> self(this);
    platform::guarded([&] { fireMouseMove(OnMouseMove, this, *event); });
    if (!self) return;
    if (pressState_ == kPressed && !down_ && !IsInside(at.x(), at.y())) setPressState(kUp);
    if (event->buttons() != Qt::NoButton) followPointer(IsInside(at.x(), at.y()));
}

void TTransparentButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    const bool click = event->button() == Qt::LeftButton && leftPressedInside_ &&
                       IsInside(at.x(), at.y()) && isEnabled();
    if (event->button() == Qt::LeftButton) leftPressedInside_ = false;
    QPointer<TTransparentButton> self(this);
    if (click) platform::guarded([&] { Click(); });
    if (self) mouseUp(*event);
}

void TTransparentButton::mouseUp(const QMouseEvent& event) {
    if (!isEnabled() || down_) return;
    QPointer<TTransparentButton> self(this);
    platform::guarded([&] { fireMouseButton(OnMouseUp, this, event); });
    if (self) setPressState(kUp);
}

void TTransparentButton::Click() {
    try {
        if (OnClick) OnClick(this);
    } catch (...) {
        pressState_ = kUp;
        mouseInside_ = false;
        update();
        throw;
    }
}

void TTransparentButton::MouseEnter() {
    if (!isEnabled()) return;
    mouseInside_ = true;
    if (OnMouseEnter) OnMouseEnter(this);
    if (flat_) repaint();
}

void TTransparentButton::MouseLeave() {
    if (!isEnabled()) return;
    mouseInside_ = false;
    if (OnMouseExit) OnMouseExit(this);
    if (flat_) repaint();
}

void TTransparentButton::enterEvent(QEnterEvent*) {
    followPointer(true);
}

void TTransparentButton::leaveEvent(QEvent*) {
    followPointer(false);
}

void TTransparentButton::followPointer(bool inside) {
    if (!pointer_.update(inside)) return;
    platform::guarded([&] { inside ? MouseEnter() : MouseLeave(); });
}

void TTransparentButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange) return;
    if (!isEnabled()) {
        pressState_ = kUp;
        mouseInside_ = false;
    }
    repaint();
}

// The accelerator is the character after the first '&' of the caption.
void TTransparentButton::updateMnemonic() {
    if (mnemonicId_ != 0) releaseShortcut(mnemonicId_);
    mnemonicId_ = 0;
    const QKeySequence key = QKeySequence::mnemonic(caption_);
    if (!key.isEmpty()) mnemonicId_ = grabShortcut(key);
}

bool TTransparentButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent*>(event)->shortcutId() == mnemonicId_ && mnemonicId_ != 0) {
        if (isEnabled()) platform::guarded([&] { Click(); });
        return true;
    }
    return QWidget::event(event);
}

} // namespace controls
