#include "platform/window/DialogTitleBar.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

namespace platform {

namespace {
constexpr int kCloseSize = DialogTitleBar::kHeight - 4;
constexpr int kCaptionIndent = 8;
const QString kObjectName = QStringLiteral("dialogTitleBar");
} // namespace

void DialogTitleBar::attach(QWidget& dialog) {
    if (dialog.findChild<QWidget*>(kObjectName, Qt::FindDirectChildrenOnly)) return;
    makeRoomAtTheTop(dialog);
    new DialogTitleBar(dialog);
}

// The contents go down by the bar's height, and a dialog of a fixed size grows by it: a laid
// out one through its margins, one whose controls sit at fixed places by moving them.
void DialogTitleBar::makeRoomAtTheTop(QWidget& dialog) {
    if (dialog.layout()) {
        QMargins margins = dialog.contentsMargins();
        margins.setTop(margins.top() + kHeight);
        dialog.setContentsMargins(margins);
    } else {
        for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!child->isWindow()) child->move(child->x(), child->y() + kHeight);
    }
    if (dialog.minimumSize() == dialog.maximumSize())
        dialog.setFixedSize(dialog.width(), dialog.height() + kHeight);
}

DialogTitleBar::DialogTitleBar(QWidget& dialog)
    : QWidget(&dialog)
    , dialog_(dialog)
    , close_(new QToolButton(this)) {
    setObjectName(kObjectName);
    close_->setText(QStringLiteral("\u2715"));
    close_->setAccessibleName(tr("Close"));
    close_->setAutoRaise(true);
    close_->setFocusPolicy(Qt::NoFocus); // the keyboard stays with the dialog's buttons
    close_->setFixedSize(kCloseSize, kCloseSize);
    connect(close_, &QToolButton::clicked, &dialog, &QWidget::close);
    dialog.installEventFilter(this);
    fitToDialog();
    show();
}

void DialogTitleBar::fitToDialog() {
    setGeometry(0, 0, dialog_.width(), kHeight);
    close_->move(width() - kCloseSize - 2, 2);
    raise();
}

bool DialogTitleBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &dialog_) {
        if (event->type() == QEvent::Resize)
            fitToDialog();
        else if (event->type() == QEvent::WindowTitleChange)
            update();
        else if (event->type() == QEvent::Paint)
            drawEdge(); // under the dialog's own painting
    }
    return false;
}

// The window's edge, which no compositor draws around a frameless window.
void DialogTitleBar::drawEdge() {
    QPainter painter(&dialog_);
    painter.setPen(dialog_.palette().color(QPalette::Mid));
    painter.drawRect(dialog_.rect().adjusted(0, 0, -1, -1));
}

void DialogTitleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button).darker(108));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, 0));
    QFont caption = font();
    caption.setBold(true);
    painter.setFont(caption);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect text(kCaptionIndent, 0, close_->x() - 2 * kCaptionIndent, height());
    painter.drawText(
        text, Qt::AlignVCenter | Qt::AlignLeft,
        painter.fontMetrics().elidedText(dialog_.windowTitle(), Qt::ElideRight, text.width()));
}

// A press on the bar (the close button takes its own) hands the move to the compositor.
void DialogTitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (QWindow* window = dialog_.windowHandle()) window->startSystemMove();
}

} // namespace platform
