// Thin wrappers that give Qt's widgets the behaviour the game's windows expect of their
// standard controls: labels, pictures, speed buttons and the string grid.
#pragma once

#include "platform/widgets/Colors.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <functional>
#include <vector>

namespace platform {

// A label with a transparent background, sized to its text.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                  TColor color, const QFont& font);

// A picture that reports a left click (press and release inside it). Stretched, it fills
// the control pixel for pixel, without smoothing, so skin bands keep their hard edges.
class TImage : public QLabel {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);
    void setStretch(bool stretch);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
    bool stretch_ = false;
};

// A fixed-size dialog window with only a close box and no cancel button: Escape leaves it
// open; the close box, Alt+F4 and its own buttons close it.
class TDialogWithoutCancel : public QDialog {
    Q_OBJECT
public:
    explicit TDialogWithoutCancel(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A black panel filling its window, with a one-pixel raised outer and lowered inner bevel.
class TBevelPanel : public QWidget {
    Q_OBJECT
public:
    explicit TBevelPanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A captioned group of radio buttons with one selected item (or none, -1). Setting the
// index from code runs OnClick just as a click does, whenever the index changes.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    int itemCount() const { return static_cast<int>(buttons_.size()); }
    int itemIndex() const { return itemIndex_; }
    // Below -1 becomes -1; at or past the item count, the last item.
    void setItemIndex(int index);

    std::function<void()> OnClick;

private:
    void showItemIndex();

    std::vector<QRadioButton*> buttons_;
    int itemIndex_ = -1;
};

// A flat keypad-style button that never takes the keyboard focus.
class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A read-only grid of text cells addressed by column and row, without header rows or
// columns, selecting whole rows.
class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    TStringGrid(int columns, int defaultRowHeight, QWidget* parent = nullptr);

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    void setColumnWidths(std::initializer_list<int> widths);

    // What a screen reader hears of a row: by default its cells, comma-separated.
    void setAccessibleRowText(std::function<QString(const QStringList& cells)> words) {
        rowWords_ = std::move(words);
    }
    QString accessibleRowText(int row) const;

private:
    std::function<QString(const QStringList& cells)> rowWords_;
};

} // namespace platform
