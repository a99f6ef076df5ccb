#include "platform/widgets/StdCtrls.h"

#include "platform/Application.h"
#include "platform/window/DialogWindow.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QVBoxLayout>

namespace platform {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                  TColor color, const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    label->setPalette(palette);
    label->setAutoFillBackground(false);
    label->move(left, top);
    label->adjustSize();
    return label;
}

TImage::TImage(QWidget* parent)
    : QLabel(parent) {}

void TImage::setStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

void TImage::paintEvent(QPaintEvent* event) {
    const QPixmap picture = pixmap();
    if (!stretch_ || picture.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this); // no smooth transformation: nearest pixels
    painter.drawPixmap(rect(), picture);
}

void TImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

TDialogWithoutCancel::TDialogWithoutCancel(QWidget* parent)
    : QDialog(parent, dialogWindowFlags()) {}

void TDialogWithoutCancel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

TBevelPanel::TBevelPanel(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const QRect outer = rect();
    painter.fillRect(outer, Qt::black);
    // Raised outside: light top and left, dark right and bottom; lowered inside: the reverse.
    const auto ring = [&](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
        painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
        painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    };
    ring(outer, colours.color(QPalette::Light), colours.color(QPalette::Dark));
    ring(outer.adjusted(1, 1, -1, -1), colours.color(QPalette::Dark),
         colours.color(QPalette::Light));
}

TRadioGroup::TRadioGroup(QWidget* parent)
    : QGroupBox(parent) {}

void TRadioGroup::setItems(const QStringList& items) {
    qDeleteAll(buttons_);
    buttons_.clear();
    auto* column = layout() ? static_cast<QVBoxLayout*>(layout()) : new QVBoxLayout(this);
    column->setContentsMargins(8, 2, 4, 2);
    column->setSpacing(0);
    for (const QString& item : items) {
        // Exclusive as a radio group is to a reader and to the keyboard: the arrow keys move
        // the choice and click the item they reach.
        auto* button = new QRadioButton(item, this);
        const int index = static_cast<int>(buttons_.size());
        connect(button, &QRadioButton::clicked, this,
                [this, index] { guarded([&] { setItemIndex(index); }); });
        column->addWidget(button);
        buttons_.push_back(button);
    }
    itemIndex_ = -1;
}

void TRadioGroup::setItemIndex(int index) {
    index = std::max(index, -1);
    if (index >= itemCount()) index = itemCount() - 1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    showItemIndex();
    if (OnClick) OnClick();
}

// An exclusive item cannot be unchecked: for no choice at all the items let go for a moment.
void TRadioGroup::showItemIndex() {
    if (itemIndex_ >= 0) {
        buttons_[static_cast<std::size_t>(itemIndex_)]->setChecked(true);
        return;
    }
    for (QRadioButton* button : buttons_) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

TSpeedButton::TSpeedButton(QWidget* parent)
    : QToolButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

namespace {

// One palette object for every button whose colours are the same. The style keeps a drawn
// button face for reuse under a key that names the palette object, and every widget holds
// a palette object of its own: without this each key of the keypad would draw its face anew.
const QPalette& sharedPalette(const QPalette& palette) {
    static QPalette shared;
    if (!(shared == palette)) shared = palette;
    return shared;
}

} // namespace

// As the tool button paints itself, with the shared palette.
void TSpeedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.palette = sharedPalette(option.palette);
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}

TStringGrid::TStringGrid(int columns, int defaultRowHeight, QWidget* parent)
    : QTableWidget(0, columns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(defaultRowHeight);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabKeyNavigation(false); // Tab leaves the grid instead of walking its cells
}

QString TStringGrid::accessibleRowText(int row) const {
    QStringList cells;
    for (int column = 0; column < columnCount(); ++column)
        cells << cell(column, row);
    return rowWords_ ? rowWords_(cells) : cells.join(QStringLiteral(", "));
}

QString TStringGrid::cell(int column, int row) const {
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

void TStringGrid::setCell(int column, int row, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
    if (QTableWidgetItem* it = item(row, column)) {
        it->setText(text);
    } else {
        setItem(row, column, new QTableWidgetItem(text));
    }
}

void TStringGrid::setColumnWidths(std::initializer_list<int> widths) {
    int column = 0;
    for (const int width : widths)
        setColumnWidth(column++, width);
}

} // namespace platform
