// TfAbout: the about box. It shows the program's picture (a click opens the maker's home
// page), credits scrolling up in a banner, and buttons to open the read-me file and to close.
// Created hidden at start-up and shown modally from the main window; the credits go on from
// where they were each time it is shown again.
#pragma once

#include "platform/widgets/StdCtrls.h"

class QPushButton;

namespace controls {
class TBanner;
}

class TfAbout : public platform::TDialogWithoutCancel {
    Q_OBJECT
public:
    explicit TfAbout(QWidget* parent = nullptr);

    // Shows the window modally; returns when it is closed.
    void showModal();

    void FormShow();
    void bbReadmeClick();
    void Image1Click();
    void bbCloseClick();

    controls::TBanner* banner() const { return Banner1; }

    static const QString kHomePage;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildBanner();
    QPushButton* makeButton(const char* name, const QString& caption, const QString& glyph,
                            const QRect& bounds);

    platform::TImage* Image1 = nullptr;
    controls::TBanner* Banner1 = nullptr;
    QPushButton* bbReadme = nullptr;
    QPushButton* bbClose = nullptr;
};
