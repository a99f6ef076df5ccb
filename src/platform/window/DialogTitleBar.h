// DialogTitleBar: the title bar the game draws on a dialog's window itself, on a native Wayland
// session. There the compositor may draw no title bars (GNOME's, weston), and the ones Qt then
// draws carry minimize and maximize buttons even on a fixed-size box; this one has the caption
// and a close button only. Dragging the rest of the bar moves the dialog through the
// compositor. The dialog's window is frameless (dialogWindowFlags), and the bar also draws
// its edge.
#pragma once

#include <QWidget>

class QToolButton;

namespace platform {

class DialogTitleBar : public QWidget {
public:
    static constexpr int kHeight = 26;

    // Puts a title bar on `dialog`, above its contents, unless it has one.
    static void attach(QWidget& dialog);

    QToolButton* closeButton() const { return close_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    explicit DialogTitleBar(QWidget& dialog);
    static void makeRoomAtTheTop(QWidget& dialog);
    void fitToDialog();
    void drawEdge();

    QWidget& dialog_;
    QToolButton* close_;
};

} // namespace platform
