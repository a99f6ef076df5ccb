// TfAbout: the about box, created hidden at start-up and shown modally from the main window.
#pragma once

#include <QDialog>

class QPushButton;

class TfAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfAbout(QWidget* parent = nullptr);

    // Shows the window modally; returns when it is closed.
    void showModal();
    void bbCloseClick();

private:
    QPushButton* bbClose = nullptr;
};
