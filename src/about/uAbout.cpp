#include "about/uAbout.h"

#include "about/AboutLayout.h"

#include "controls/Banner.h"
#include "platform/Application.h"
#include "platform/system/Shell.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Pictures.h"
#include "platform/widgets/StdCtrls.h"

#include <QPushButton>

namespace {
QRect rectOf(const about::Place& p) {
    return {p.left, p.top, p.width, p.height};
}
constexpr int kCreditsInterval = 80;
const QString kReadme = QStringLiteral("readme.txt");
const QString kRule = QStringLiteral("=========================================");

// The credits, top to bottom.
QStringList credits() {
    return {kRule,
            QStringLiteral("Brainlock Game"),
            QStringLiteral("\u00a9 2026 Norvane, Inc. All rights reserved."),
            kRule,
            QString(),
            QStringLiteral("Proof that you are intelligent !!!"),
            QStringLiteral("Norvane's Brainlock Game will sharpen"),
            QStringLiteral("your Logical thinking every time you run it."),
            QString(),
            QStringLiteral("Btw, Thank you for using Norvane's Software."),
            QStringLiteral("Visit www.norvane.example to get"),
            QStringLiteral("more softwares."),
            QString(),
            kRule,
            QString(),
            QString(),
            QStringLiteral("Created by :"),
            QString(),
            QStringLiteral("The Brainlock Game team"),
            QStringLiteral("www.norvane.example"),
            QStringLiteral("brainlock@norvane.example"),
            QString(),
            QString(),
            kRule,
            QStringLiteral("MMXXVI Norvane, Inc."),
            kRule};
}

// A glyph strip of two 16 x 16 cells: the picture, then its disabled image.
QIcon glyphIcon(const QString& strip) {
    const QPixmap both(strip);
    QIcon icon(both.copy(0, 0, 16, 16));
    icon.addPixmap(both.copy(16, 0, 16, 16), QIcon::Disabled);
    return icon;
}
} // namespace

const QString TfAbout::kHomePage = QStringLiteral("https://www.norvane.example/");

TfAbout::TfAbout(QWidget* parent)
    : platform::TDialogWithoutCancel(parent) {
    setObjectName(QStringLiteral("fAbout"));
    setWindowTitle(QStringLiteral("About Brainlock Game"));
    setFont(platform::uiFont());
    setFixedSize(about::kAboutWindow.width, about::kAboutWindow.height);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    move(about::kAboutWindow.left, about::kAboutWindow.top);

    Image1 = new platform::TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(platform::picturePixmap(QStringLiteral(":/images/about.bgra")));
    Image1->setGeometry(rectOf(about::kAboutImage));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("Visit Norvane, Inc.'s Homepage"));
    Image1->setAccessibleName(Image1->toolTip());
    connect(Image1, &platform::TImage::clicked, this,
            [this] { platform::guarded([&] { Image1Click(); }); });

    buildBanner();

    // "&Close" comes first in the tab order, so it has the focus when the window opens.
    bbClose = makeButton("bbClose", QStringLiteral("&Close"), QStringLiteral(":/images/close.png"),
                         rectOf(about::kAboutClose));
    bbReadme = makeButton("bbReadme", QStringLiteral("View &Readme File"),
                          QStringLiteral(":/images/readme.png"), rectOf(about::kAboutReadme));
    setTabOrder(bbClose, bbReadme);
    connect(bbClose, &QPushButton::clicked, this,
            [this] { platform::guarded([&] { bbCloseClick(); }); });
    connect(bbReadme, &QPushButton::clicked, this,
            [this] { platform::guarded([&] { bbReadmeClick(); }); });
}

// Built as a loaded window builds it: the direction while the image is still empty (the
// position stays 0), then the lines, rendered at the end of loading; FormShow starts them.
void TfAbout::buildBanner() {
    Banner1 = new controls::TBanner(this);
    Banner1->setObjectName(QStringLiteral("Banner1"));
    Banner1->beginLoad();
    Banner1->setGeometry(rectOf(about::kAboutBanner));
    Banner1->setAutoEnable(false);
    Banner1->setScrollDirection(controls::sdBottomToTop);
    Banner1->setScrollInterval(kCreditsInterval);
    Banner1->setFontColor(platform::clWhite);
    Banner1->setColor(platform::clBlack);
    Banner1->setLines(credits());
    Banner1->endLoad();
}

QPushButton* TfAbout::makeButton(const char* name, const QString& caption, const QString& glyph,
                                 const QRect& bounds) {
    auto* button = new QPushButton(glyphIcon(glyph), caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(bounds);
    button->setAutoDefault(true); // Enter clicks the focused button; neither is the default
    return button;
}

void TfAbout::showModal() {
    bbClose->setFocus();
    exec();
}

void TfAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    platform::guarded([&] { FormShow(); });
}

// The credits start at the first showing and then simply go on.
void TfAbout::FormShow() {
    Banner1->setEnabled(true);
}

void TfAbout::bbReadmeClick() {
    platform::shell().open(platform::documentUrl(platform::locateFile(kReadme)));
}

void TfAbout::Image1Click() {
    platform::shell().open(QUrl(kHomePage));
}

void TfAbout::bbCloseClick() {
    reject(); // the cancel result; the window hides
}
