// Thin wrappers that give Qt's widgets the behaviour the game's windows expect of their
// standard controls: labels, pictures, speed buttons and the string grid.
#pragma once

#include "platform/Colors.h"

#include <QLabel>
#include <QTableWidget>
#include <QToolButton>

namespace platform {

// A label with a transparent background, sized to its text.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                  TColor color, const QFont& font);

// A picture that reports a left click (press and release inside it).
class TImage : public QLabel {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A flat keypad-style button that never takes the keyboard focus.
class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* parent = nullptr);
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
};

} // namespace platform
