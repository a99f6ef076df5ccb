#include "controls/Banner.h"

#include "platform/Application.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace controls {

namespace {

// A screen reader reads the whole text, not the slice scrolled into view.
class AccessibleBanner final : public QAccessibleWidget {
public:
    explicit AccessibleBanner(TBanner* banner)
        : QAccessibleWidget(banner, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        const auto* banner = static_cast<TBanner*>(widget());
        if (t != QAccessible::Name || !QAccessibleWidget::text(t).isEmpty())
            return QAccessibleWidget::text(t);
        return banner->lines().isEmpty() ? banner->scrollText()
                                         : banner->lines().join(QLatin1Char('\n')).trimmed();
    }
};

QAccessibleInterface* accessibleBannerFactory(const QString&, QObject* object) {
    if (auto* banner = qobject_cast<TBanner*>(object)) return new AccessibleBanner(banner);
    return nullptr;
}

constexpr int kDefaultSize = 100;
const char* const kNoContent = "Assign a bitmap or text to banner before enabling";
} // namespace

TBanner::TBanner(QWidget* parent)
    : QWidget(parent) {
    static const bool registered = [] {
        QAccessible::installFactory(accessibleBannerFactory);
        return true;
    }();
    (void)registered;
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted here
    resize(kDefaultSize, kDefaultSize);
    clock_.start();
    timer_ = new QTimer(this);
    timer_->setInterval(scrollInterval_);
    connect(timer_, &QTimer::timeout, this, [this] { platform::guarded([&] { advance(); }); });
}

void TBanner::endLoad() {
    loading_ = false;
    if (!scrollText_.isEmpty()) RenderText(scrollText_);
    if (!lines_.isEmpty()) RenderLines();
    if (autoEnable_ && bitmap_ && imageSize().height() > 0) setEnabled(true);
}

bool TBanner::hasUsableBitmap() const {
    return bitmap_ && !imageSize().isEmpty();
}

void TBanner::setBitmap(const QImage& value) {
    bitmap_ = value.copy(); // the banner keeps its own copy
    scrollText_.clear();
    lines_.clear();
    if (autoEnable_ && imageSize().width() > 0) setEnabled(true);
}

void TBanner::setEnabled(bool value) {
    if (loading_) return;
    if (value && !hasUsableBitmap()) {
        if (!lines_.isEmpty())
            RenderLines();
        else if (!scrollText_.isEmpty())
            RenderText(scrollText_);
        else
            throw EBannerError(kNoContent);
    }
    if (!value && (!scrollText_.isEmpty() || !lines_.isEmpty()))
        bitmap_.reset(); // rendered again at the next enabling
    if (value && !enabled_) lastStepMs_ = clock_.elapsed();
    enabled_ = value;
    if (!value)
        timer_->stop();
    else if (isVisible() && scrollInterval_ > 0 && !timer_->isActive())
        timer_->start(); // a running timer keeps its beat
    update();
    const Notify& notify = value ? OnEnable : OnDisable;
    if (notify) notify(this);
}

// While loading, the lines are rendered once, by endLoad, with every property in place.
void TBanner::setLines(const QStringList& value) {
    lines_ = value;
    scrollText_.clear(); // the lines take the text's place
    if (!loading_) RenderLines();
}

void TBanner::setLinesAlign(TAlignment value) {
    if (linesAlign_ == value) return;
    linesAlign_ = value;
    if (!lines_.isEmpty() && !loading_) RenderLines();
}

void TBanner::setScrollDirection(TScrollDirection value) {
    if (value == scrollDirection_) return;
    // With no image yet (a text banner while disabled), its extent counts as 0: the image
    // rendered at the next enabling then enters from the new edge.
    const QSize image = imageSize();
    const int w = image.width();
    const int h = image.height();
    scrollPosition_ =
        positionAfterTurn(scrollDirection_, value, scrollPosition_, width(), height(), w, h);
    scrollDirection_ = value;
    update();
}

// The timer's interval, read back; 0 leaves an enabled banner standing still.
void TBanner::setScrollInterval(int value) {
    timer_->setInterval(std::max(0, value));
    scrollInterval_ = timer_->interval();
    if (scrollInterval_ == 0)
        timer_->stop();
    else if (enabled_ && isVisible())
        timer_->start();
}

void TBanner::setColor(platform::TColor value) {
    color_ = value;
    update();
}

// In logical pixels, held at the screen's resolution so text stays sharp on a dense screen.
QImage TBanner::newCanvas(int width, int height) const {
    const qreal ratio = devicePixelRatioF();
    QImage canvas(QSize(std::max(width, 0), std::max(height, 0)) * ratio, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(platform::toQColor(color_));
    return canvas;
}

QSize TBanner::imageSize() const {
    return bitmap_ ? bitmap_->deviceIndependentSize().toSize() : QSize();
}

void TBanner::RenderText(const QString& text) {
    setEnabled(false);
    lines_.clear();
    const QFontMetrics metrics(font());
    bitmap_ = newCanvas(metrics.horizontalAdvance(text), metrics.height());
    if (!bitmap_->isNull()) {
        QPainter painter(&*bitmap_);
        painter.setFont(font());
        painter.setPen(platform::toQColor(fontColor_));
        painter.drawText(0, metrics.ascent(), text);
    }
    scrollText_ = text;
    if (autoEnable_) setEnabled(true);
}

void TBanner::RenderLines() {
    const bool wasEnabled = enabled_;
    setEnabled(false);
    scrollText_.clear();
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const QString& line : lines_)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int lineHeight = metrics.boundingRect(QStringLiteral("Xj")).height();
    bitmap_ = newCanvas(widest, lineHeight * static_cast<int>(lines_.size()));
    if (!bitmap_->isNull()) {
        QPainter painter(&*bitmap_);
        painter.setFont(font());
        painter.setPen(platform::toQColor(fontColor_));
        for (qsizetype i = 0; i < lines_.size(); ++i) {
            const int lineWidth = metrics.horizontalAdvance(lines_[i]);
            const int x = linesAlign_ == taLeftJustify    ? 0
                          : linesAlign_ == taRightJustify ? widest - lineWidth
                                                          : (widest - lineWidth) / 2;
            const QRect row(x, static_cast<int>(i) * lineHeight, lineWidth, lineHeight);
            painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, lines_[i]);
        }
    }
    if (wasEnabled || autoEnable_) setEnabled(true);
}

void TBanner::ScrollStep() {
    step(true);
}

// One step; its repaint is made at once, or left to the caller.
void TBanner::step(bool paintNow) {
    const bool horizontal = isHorizontal(scrollDirection_);
    const int extent = horizontal ? imageSize().width() : imageSize().height();
    const int span = horizontal ? width() : height();
    const StepOutcome outcome =
        bannerStep(scrollPosition_, scrollPixels_, extent, span, noGap_, onlyOnce_);
    scrollPosition_ = outcome.position;
    if (outcome.disable) setEnabled(false);
    if (paintNow && isVisible()) repaint();
    if (OnScroll) OnScroll(this);
}

void TBanner::advance() {
    lastStepMs_ = clock_.elapsed();
    if (timer_->interval() != scrollInterval_) timer_->start(scrollInterval_); // back in step
    ScrollStep();
}

void TBanner::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    platform::guarded([&] { stepsMissedWhileHidden(); });
}

// Hidden, the banner needs no ticks: the steps are made up when it is seen again. (Its window
// hidden, a ticking timer would only wake the game to move what nobody sees.)
void TBanner::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    timer_->stop();
}

void TBanner::stepsMissedWhileHidden() {
    if (!enabled_ || scrollInterval_ <= 0) return;
    const qint64 since = clock_.elapsed() - lastStepMs_;
    const qint64 missed = since / scrollInterval_;
    // Each step is a little arithmetic and its events; the picture is painted once, after.
    for (qint64 i = 0; i < missed && enabled_; ++i)
        step(false);
    update();
    // The next tick comes where the ticking would have put it.
    lastStepMs_ += missed * scrollInterval_;
    if (enabled_) timer_->start(static_cast<int>(scrollInterval_ - since % scrollInterval_));
}

void TBanner::mousePressEvent(QMouseEvent* event) {
    firePress(*this, *event);
}

void TBanner::mouseDoubleClickEvent(QMouseEvent* event) {
    fireDoubleClick(*this, *event);
}

void TBanner::mouseMoveEvent(QMouseEvent* event) {
    fireMove(*this, *event);
}

void TBanner::mouseReleaseEvent(QMouseEvent* event) {
    fireRelease(*this, *event);
}

QImage TBanner::composeFrame() const {
    QImage frame = newCanvas(width(), height());
    if (bitmap_ && !bitmap_->isNull()) {
        if (noGap_)
            PaintTiled(frame);
        else
            PaintSingle(frame);
    }
    return frame;
}

void TBanner::PaintSingle(QImage& frame) const {
    const BannerPoint at = imageOrigin(scrollDirection_, scrollPosition_, width(), height(),
                                       imageSize().width(), imageSize().height());
    QPainter(&frame).drawImage(at.x, at.y, *bitmap_);
}

void TBanner::PaintTiled(QImage& frame) const {
    QPainter painter(&frame);
    for (const BannerPoint& at : tiledOrigins(scrollDirection_, scrollPosition_, width(), height(),
                                              imageSize().width(), imageSize().height()))
        painter.drawImage(at.x, at.y, *bitmap_);
}

void TBanner::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, composeFrame()); // one copy: no flicker
}

} // namespace controls
