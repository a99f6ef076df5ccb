#include "controls/ProCtrls.h"

#include "controls/ProConst.h"
#include "platform/Application.h"
#include "platform/system/Help.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QShortcutEvent>

namespace controls {

using platform::TColor;
using platform::toQColor;

namespace {

// A screen reader reads the caption the label paints.
class AccessibleProLabel final : public QAccessibleWidget {
public:
    explicit AccessibleProLabel(TProCustomLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !own.isEmpty()) return own;
        return static_cast<TProCustomLabel*>(widget())->caption().remove(QLatin1Char('&'));
    }
};

QAccessibleInterface* accessibleLabelFactory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<TProCustomLabel*>(object)) return new AccessibleProLabel(label);
    return nullptr;
}

constexpr int kMaxShadow = 1280;
constexpr int kUnboundedExtent = 100000; // room to measure a caption in, unwrapped
} // namespace

TProCustomLabel::TProCustomLabel(QWidget* parent)
    : QWidget(parent) {
    static const bool registered = [] {
        QAccessible::installFactory(accessibleLabelFactory);
        return true;
    }();
    (void)registered;
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    adjustBounds();
}

template <class T> void TProCustomLabel::assign(T& field, const T& value) {
    if (field == value) return;
    field = value;
    update();
}

// An effect set by hand turns the style into a custom one, unless a preset is being applied.
template <class T> void TProCustomLabel::assignEffect(T& field, const T& value) {
    if (field == value) return;
    field = value;
    if (!EffectsUpdating) shadowStyle_ = ssCustom;
    update();
}

void TProCustomLabel::setCaption(const QString& value) {
    if (caption_ == value) return;
    caption_ = value;
    updateMnemonic();
    adjustBounds();
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
}

void TProCustomLabel::setAlignment(TAlignment value) {
    assign(alignment_, value);
}

void TProCustomLabel::setAutoSize(bool value) {
    if (autoSize_ == value) return;
    autoSize_ = value;
    adjustBounds();
}

void TProCustomLabel::setFocusControl(QWidget* control) {
    focusControl_ = control;
    updateMnemonic();
}

void TProCustomLabel::setShowAccelChar(bool value) {
    if (showAccelChar_ == value) return;
    showAccelChar_ = value;
    updateMnemonic();
    adjustBounds();
    update();
}

void TProCustomLabel::setTransparent(bool value) {
    assign(transparent_, value);
}

void TProCustomLabel::setWordWrap(bool value) {
    if (wordWrap_ == value) return;
    wordWrap_ = value;
    adjustBounds();
    update();
}

void TProCustomLabel::setColor(TColor value) {
    assign(color_, value);
}

void TProCustomLabel::setFontColor(TColor value) {
    if (fontColor_ == value) return;
    fontColor_ = value;
    update();
    FontChanged();
}

void TProCustomLabel::setAngle(int value) {
    value = reduceAngle(value);
    if (angle_ == value) return;
    angle_ = value;
    if (angle_ > 0 && autoSize_) setAutoSize(false);
    update();
}

void TProCustomLabel::setOffsetX(int value) {
    if (offsetX_ == value) return;
    offsetX_ = value;
    if (value > 0 && autoSize_) setAutoSize(false); // a negative offset leaves it on
    update();
}

void TProCustomLabel::setOffsetY(int value) {
    if (offsetY_ == value) return;
    offsetY_ = value;
    if (value > 0 && autoSize_) setAutoSize(false);
    update();
}

void TProCustomLabel::setHighlightDirection(TDirection value) {
    assignEffect(highlightDirection_, value);
}
void TProCustomLabel::setHighlightDepth(int value) {
    assignEffect(highlightDepth_, value);
}
void TProCustomLabel::setHighlightColor(TColor value) {
    assignEffect(highlightColor_, value);
}
void TProCustomLabel::setShadowDirection(TDirection value) {
    assignEffect(shadowDirection_, value);
}
void TProCustomLabel::setShadowDepth(int value) {
    assignEffect(shadowDepth_, std::clamp(value, 0, kMaxShadow));
}
void TProCustomLabel::setShadowSize(int value) {
    assignEffect(shadowSize_, std::clamp(value, 0, kMaxShadow));
}
void TProCustomLabel::setShadowColor(TColor value) {
    assignEffect(shadowColor_, value);
}

void TProCustomLabel::setShadowStyle(TShadowStyle value) {
    if (shadowStyle_ == value) return;
    shadowStyle_ = value;
    EffectPreset preset{};
    if (!presetFor(value, preset)) return;
    EffectsUpdating = true;
    setHighlightDirection(preset.highlightDirection);
    setHighlightDepth(preset.highlightDepth);
    setShadowDirection(preset.shadowDirection);
    setShadowDepth(preset.shadowDepth);
    setShadowSize(preset.shadowSize);
    setHighlightColor(platform::clBtnHighlight);
    setShadowColor(platform::clBtnShadow);
    if (preset.fontToButtonFace) setFontColor(platform::clBtnFace);
    EffectsUpdating = false;
    update();
}

void TProCustomLabel::setVerticalAlignment(TVerticalAlignment value) {
    assign(verticalAlignment_, value);
}

int TProCustomLabel::textFlags() const {
    int flags = Qt::TextExpandTabs;
    switch (alignment_) {
    case taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    if (wordWrap_) flags |= Qt::TextWordWrap;
    if (showAccelChar_) flags |= Qt::TextShowMnemonic; // otherwise "&" is drawn as it is
    return flags;
}

// With AutoSize the label takes its unrotated, unmoved caption's extent.
void TProCustomLabel::adjustBounds() {
    if (!autoSize_) return;
    const int room = wordWrap_ ? width() : kUnboundedExtent;
    const QRect extent =
        QFontMetrics(font()).boundingRect(QRect(0, 0, room, kUnboundedExtent), textFlags(),
                                          caption_.isEmpty() ? QStringLiteral(" ") : caption_);
    resize(wordWrap_ ? width() : extent.width(), extent.height());
}

void TProCustomLabel::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    canvas.setFont(font());
    const int flags = textFlags();
    QRect r = rect();
    if (!transparent_) canvas.fillRect(r, toQColor(color_));

    const QFontMetrics metrics(font());
    if (angle_ != 0) {
        const RotatedPlacement placed =
            placeRotated(angle_, metrics.horizontalAdvance(caption_), metrics.height(), width(),
                         height(), alignment_, verticalAlignment_);
        r = QRect(placed.originX, placed.originY, placed.width, placed.height);
    } else if (verticalAlignment_ != vaTop) {
        const int th = metrics.boundingRect(r, flags, caption_).height();
        const Band band = placeVertically(r.top(), r.top() + r.height(), th, verticalAlignment_);
        r = QRect(r.left(), band.top, r.width(), band.bottom - band.top);
    }
    r.translate(offsetX_, offsetY_);

    // A rotated caption is one line from its origin, turned about it; an upright one is laid
    // out in R.
    const auto drawCaptionAt = [&](const QRect& at, const QColor& colour) {
        canvas.setPen(colour);
        if (angle_ == 0) {
            canvas.drawText(at, flags, caption_);
            return;
        }
        canvas.save();
        canvas.translate(at.topLeft());
        canvas.rotate(-angle_);
        canvas.drawText(QPoint(0, metrics.ascent()), caption_);
        canvas.restore();
    };
    const auto moved = [](const QRect& from, TDirection direction, int steps) {
        const Step step = DirectionOffset(direction);
        return from.translated(step.dx * steps, step.dy * steps);
    };

    if (!isEnabled()) { // embossed, whatever the effects
        drawCaptionAt(r.translated(1, 1), toQColor(platform::clBtnHighlight));
        drawCaptionAt(r, toQColor(platform::clBtnShadow));
        return;
    }
    if (shadowStyle_ != ssNone) {
        QRect copy = moved(r, shadowDirection_, shadowDepth_);
        const QColor shadow = toQColor(shadowColor_);
        for (int i = 0; i < shadowSize_; ++i) {
            drawCaptionAt(copy, shadow);
            copy = moved(copy, shadowDirection_, 1);
        }
        drawCaptionAt(moved(r, highlightDirection_, highlightDepth_), toQColor(highlightColor_));
    }
    drawCaptionAt(r, toQColor(fontColor_));
}

void TProCustomLabel::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TProCustomLabel::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}

void TProCustomLabel::mousePressEvent(QMouseEvent* event) {
    followPointer(rect().contains(event->position().toPoint()));
    firePress(*this, *event);
}

void TProCustomLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    fireDoubleClick(*this, *event);
}

void TProCustomLabel::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton)
        followPointer(rect().contains(event->position().toPoint()));
    fireMove(*this, *event);
}

void TProCustomLabel::mouseReleaseEvent(QMouseEvent* event) {
    fireRelease(*this, *event);
}

void TProCustomLabel::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    followPointer(true);
}

void TProCustomLabel::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    followPointer(false);
}

void TProCustomLabel::followPointer(bool inside) {
    if (!pointer_.update(inside)) return;
    platform::guarded([&] { inside ? MouseEnter() : MouseLeave(); });
}

void TProCustomLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        adjustBounds();
        update();
        FontChanged();
    }
}

// The accelerator of the caption gives the focus to FocusControl.
void TProCustomLabel::updateMnemonic() {
    if (mnemonicId_ != 0) releaseShortcut(mnemonicId_);
    mnemonicId_ = 0;
    if (!showAccelChar_ || !focusControl_) return;
    const QKeySequence key = QKeySequence::mnemonic(caption_);
    if (!key.isEmpty()) mnemonicId_ = grabShortcut(key);
}

bool TProCustomLabel::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut && mnemonicId_ != 0 &&
        static_cast<QShortcutEvent*>(event)->shortcutId() == mnemonicId_) {
        if (focusControl_) focusControl_->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QWidget::event(event);
}

QString kindCaption(TProButtonKind kind) {
    const std::string_view text = LoadStr(kindInfo(kind).captionId);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

TProButton::TProButton(QWidget* parent)
    : QPushButton(parent) {
    setAutoDefault(true); // a focused push button is clicked by Enter
    connect(this, &QPushButton::clicked, this, [this] { platform::guarded([&] { Click(); }); });
}

TProButtonKind TProButton::kind() const {
    if (kind_ == pbkCustom) return kind_;
    const KindInfo info = kindInfo(kind_);
    if (default_ != info.isDefault || cancel_ != info.cancel || modalResult_ != info.modalResult)
        kind_ = pbkCustom;
    return kind_;
}

void TProButton::setKind(TProButtonKind value) {
    if (kind_ == value) return;
    kind_ = value;
    if (value == pbkCustom) return;
    const KindInfo info = kindInfo(value);
    setDefaultButton(info.isDefault);
    setCancel(info.cancel);
    if (!(loading_ && !text().isEmpty())) setText(kindCaption(value));
    modalResult_ = info.modalResult;
}

void TProButton::setDefaultButton(bool value) {
    default_ = value;
    setDefault(value);
}

void TProButton::setCancel(bool value) {
    if (cancel_ == value) return;
    cancel_ = value;
    if (value) {
        escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        escape_->setContext(Qt::WindowShortcut);
        connect(escape_, &QShortcut::activated, this, [this] {
            if (isEnabled() && isVisible()) click();
        });
    } else {
        delete escape_;
        escape_ = nullptr;
    }
}

void TProButton::Click() {
    if (isHelpKind(kind())) {
        if (const int context = platform::helpContextFor(this)) {
            platform::showHelp(context);
            return;
        }
    } else if (isCloseKind(kind())) {
        if (QWidget* holder = window(); holder != this) {
            holder->close();
            return;
        }
    }
    ordinaryClick();
}

void TProButton::ordinaryClick() {
    if (modalResult_ != 0)
        if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->done(modalResult_);
    if (OnClick) OnClick(this);
}

} // namespace controls
