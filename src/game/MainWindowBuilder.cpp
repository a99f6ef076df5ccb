#include "game/MainWindowBuilder.h"

#include "controls/ProDlgs.h"
#include "controls/Seven.h"
#include "controls/TransBtn.h"
#include "game/MainLayout.h"
#include "game/Messages.h"
#include "game/PanelLayout.h"
#include "game/ReaderNames.h"
#include "game/uMain.h"
#include "platform/system/Help.h"
#include "platform/system/StartupTrace.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Pictures.h"
#include "platform/widgets/SharedMnemonic.h"
#include "platform/widgets/StdCtrls.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <memory>
#include <utility>
#include <vector>

namespace game {

using controls::TSevenSegment;
using platform::rgbColor;

namespace {

constexpr platform::TColor kLeftOffColor = rgbColor(32, 32, 32);
constexpr platform::TColor kScoreOffColor = rgbColor(64, 64, 64);

void setGeometry(QWidget* control, const Rect& r) {
    control->setGeometry(r.left, r.top, r.width, r.height);
}

void group(SidePanel& panel, std::initializer_list<std::pair<QWidget*, int>> controls) {
    for (const auto& [control, entry] : controls)
        panel.add(control, entry);
}

QString qtName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// A control at its place in the table, named after it.
void placeByName(QWidget* control, std::string_view name, const Rect& place) {
    control->setObjectName(qtName(name));
    setGeometry(control, place);
}
void placeByName(QWidget* control, std::string_view name) {
    placeByName(control, name, placeOf(name).rect);
}

QLabel* makeLabelAt(QWidget* parent, std::string_view name, const QString& caption) {
    const Rect& r = placeOf(name).rect;
    return platform::makeLabel(parent, qtName(name), caption, r.left, r.top, platform::clWhite,
                               platform::uiFont(true));
}

void setPaletteColour(QWidget* widget, QPalette::ColorRole role, platform::TColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, platform::toQColor(colour));
    widget->setPalette(palette);
}

} // namespace

// The skin first, beneath everything; the log's controls after the game panel's. The options
// panel, hidden on a first run, is built when it is first shown (buildOptions).
void MainWindowBuilder::build() {
    using platform::startupMark;
    buildGamePanel();
    startupMark("game panel");
    buildLog();
    groupLogPanel();
    startupMark("tries log panel");
    buildMenu();
    startupMark("menu");
    buildInfoDialog();
    startupMark("info dialog");
    buildShortcuts();
    ReaderNames::nameGamePanelAndLog(w_);
    startupMark("shortcuts and reader names");
}

void MainWindowBuilder::buildGamePanel() {
    w_.Panel1 = new platform::TBevelPanel(&w_);
    w_.Panel1->setObjectName(QStringLiteral("Panel1"));
    // Its controls write in the bold face but for the option groups and the "?" marks, which
    // name their own: a control that measures text as it is made (the log's grid measures its
    // hidden headers) then loads no other face before the first frame.
    w_.Panel1->setFont(platform::uiFont(true));
    w_.makeDraggable(w_.Panel1); // where the skin leaves its bevel uncovered
    buildSkin();

    w_.lTitle = makeLabelAt(w_.Panel1, "lTitle", QStringLiteral("Brainlock Game"));
    w_.lTitle->resize(placeOf("lTitle").rect.width, placeOf("lTitle").rect.height);
    w_.attachPopup(w_.lTitle);
    w_.makeDraggable(w_.lTitle);

    buildDisplays();
    buildKeypad();

    w_.pbGuess = new QPushButton(QStringLiteral("&Guess"), w_.Panel1);
    placeByName(w_.pbGuess, "pbGuess");
    w_.pbGuess->setFont(platform::uiFont(true));
    w_.pbGuess->setContextMenuPolicy(Qt::PreventContextMenu);
    w_.pbGuess->setAutoDefault(true); // Enter clicks it while it has the focus
    platform::setHelpContext(w_.pbGuess, kHelpGuess);
    connectHandler(w_.pbGuess, &QPushButton::clicked, &w_, &TfMain::pbGuessClick);
    w_.setFocusProxy(w_.pbGuess);

    w_.lCorrect = makeLabelAt(w_.Panel1, "lCorrect", QStringLiteral("Correct Number"));
    w_.lPlace = makeLabelAt(w_.Panel1, "lPlace", QStringLiteral("Correct Place"));
    for (QLabel* label : {w_.lCorrect, w_.lPlace}) {
        w_.attachPopup(label);
        w_.makeDraggable(label);
    }

    w_.imgAbout = new platform::TImage(w_.Panel1);
    placeByName(w_.imgAbout, "imgAbout");
    {
        const platform::StartupSpan pictures("pictures");
        w_.imgAbout->setPixmap(platform::picturePixmap(QStringLiteral(":/images/about.bgra")));
    }
    w_.imgAbout->setCursor(Qt::PointingHandCursor);
    w_.imgAbout->setToolTip(QStringLiteral("About Brainlock Game"));
    w_.attachPopup(w_.imgAbout);
    connectHandler(w_.imgAbout, &platform::TImage::clicked, &w_, &TfMain::imgAboutClick);

    w_.tbCloseMain = makeCloseButton("tbCloseMain", placeOf("tbCloseMain").rect.left,
                                     placeOf("tbCloseMain").rect.width, &TfMain::tbCloseMainClick);
}

// Every piece lies beneath every other control, so the skin is built first; the game
// panel's left strip covers the first columns of its body.
void MainWindowBuilder::buildSkin() {
    w_.imgMainBody =
        makeSkinPiece(QStringLiteral("imgMainBody"), skinPicture("main_body"), 26, kMainBodyWidth);
    w_.imgMainLeft =
        makeSkinPiece(QStringLiteral("imgMainLeft"), skinPicture("main_left"),
                      placeOf("imgMainLeft").rect.left, placeOf("imgMainLeft").rect.width);
    w_.imgMainRight =
        makeSkinPiece(QStringLiteral("imgMainRight"), skinPicture("main_right"),
                      placeOf("imgMainRight").rect.left, placeOf("imgMainRight").rect.width);
    buildSidePanelSkin(w_.imgLogLeft, w_.imgLogBody, w_.imgLogRight, "imgLog");
}

// A side panel's three pieces, hidden until the panel shows.
void MainWindowBuilder::buildSidePanelSkin(platform::TImage*& left, platform::TImage*& body,
                                           platform::TImage*& right, const char* prefix) {
    const QString name = QString::fromLatin1(prefix);
    left =
        makeSkinPiece(name + QLatin1String("Left"), skinPicture("side_left"), 0, kSideStripWidth);
    body = makeSkinPiece(name + QLatin1String("Body"), skinPicture("side_body"), 0, kSideBodyWidth);
    right =
        makeSkinPiece(name + QLatin1String("Right"), skinPicture("side_right"), 0, kSideStripWidth);
    for (platform::TImage* piece : {left, body, right})
        piece->hide();
}

QPixmap MainWindowBuilder::skinPicture(const char* name) {
    const platform::StartupSpan pictures("pictures");
    return platform::picturePixmap(QStringLiteral(":/skin/%1.bgra").arg(QLatin1String(name)));
}

platform::TImage* MainWindowBuilder::makeSkinPiece(const QString& name, const QPixmap& picture,
                                                   int left, int width) {
    auto* piece = new platform::TImage(w_.Panel1);
    piece->setObjectName(name);
    piece->setPixmap(picture);
    piece->setStretch(true);
    piece->setGeometry(left, kSkinTop, width, kSkinHeight);
    w_.attachPopup(piece);
    w_.makeDraggable(piece);
    return piece;
}

controls::TTransparentButton* MainWindowBuilder::makeCloseButton(const char* name, int left,
                                                                 int width,
                                                                 void (TfMain::*handler)()) {
    auto* button = new controls::TTransparentButton(w_.Panel1);
    button->setObjectName(QString::fromLatin1(name));
    button->setCaption(QStringLiteral("X"));
    button->setFont(platform::uiFont(true));
    button->setGeometry(left, 1, width, 17);
    button->OnClick = [window = &w_, handler](QObject*) { (window->*handler)(); };
    return button;
}

void MainWindowBuilder::buildDisplays() {
    const QFont questionFont = platform::pixelFont(platform::kSerifFamily, 40);
    for (int i = 0; i < kMaxDigits; ++i) {
        const Rect place = entryMarkRect(i);
        QLabel* mark =
            platform::makeLabel(w_.Panel1, QStringLiteral("lQM%1").arg(i + 1), QStringLiteral("?"),
                                place.left, place.top, platform::clRed, questionFont);
        mark->resize(place.width, place.height);
        mark->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        mark->setVisible(i < kMinDigits);
        w_.lQM[static_cast<std::size_t>(i)] = mark;
    }
    // The digit displays come after the marks so that a visible digit covers its "?".
    for (int i = 0; i < kMaxDigits; ++i) {
        auto* display = new TSevenSegment(w_.Panel1);
        display->setObjectName(QStringLiteral("ssNum%1").arg(i + 1));
        setGeometry(display, entryDisplayRect(i));
        display->setNumberOfDigit(1);
        display->setThickness(4);
        display->setOffColor(platform::clBlack);
        display->setShowDecimalPoint(true);
        display->hide();
        w_.attachPopup(display);
        w_.makeDraggable(display);
        w_.ssNum[static_cast<std::size_t>(i)] = display;
    }

    w_.ssLeft = new TSevenSegment(w_.Panel1);
    placeByName(w_.ssLeft, "ssLeft");
    w_.ssLeft->setNumberOfDigit(2);
    w_.ssLeft->setThickness(4);
    w_.ssLeft->setHorzSpace(5);
    w_.ssLeft->setOffColor(kLeftOffColor);
    w_.ssLeft->setLeadingZeros(true);
    w_.ssLeft->setShowDecimalPoint(false);
    w_.ssLeft->setToolTip(QStringLiteral("Number of guesses left"));
    w_.attachPopup(w_.ssLeft);
    w_.makeDraggable(w_.ssLeft);

    const auto makeScore = [this](const char* name) {
        auto* display = new TSevenSegment(w_.Panel1);
        placeByName(display, name);
        display->setNumberOfDigit(1);
        display->setThickness(2);
        display->setOffColor(kScoreOffColor);
        display->setShowDecimalPoint(false);
        w_.attachPopup(display);
        w_.makeDraggable(display);
        return display;
    };
    w_.ssNumbers = makeScore("ssNumbers");
    w_.ssPlace = makeScore("ssPlace");
}

void MainWindowBuilder::buildKeypad() {
    static constexpr void (TfMain::*digitHandlers[10])() = {
        &TfMain::sb0Click, &TfMain::sb1Click, &TfMain::sb2Click, &TfMain::sb3Click,
        &TfMain::sb4Click, &TfMain::sb5Click, &TfMain::sb6Click, &TfMain::sb7Click,
        &TfMain::sb8Click, &TfMain::sb9Click};
    const auto makeKey = [this](std::string_view name, const QString& caption,
                                void (TfMain::*handler)()) {
        auto* key = new platform::TSpeedButton(w_.Panel1);
        placeByName(key, name);
        key->setAccessibleName(QStringLiteral("Digit ") + caption);
        key->setText(caption);
        key->setFont(platform::uiFont(true));
        key->setContextMenuPolicy(Qt::PreventContextMenu);
        connectHandler(key, &QToolButton::clicked, &w_, handler);
        return key;
    };
    // Rows of 7-8-9, 4-5-6 and 1-2-3 from the top, as on a calculator.
    for (const int digit : {7, 8, 9, 4, 5, 6, 1, 2, 3})
        w_.sbDigit[static_cast<std::size_t>(digit)] =
            makeKey(keyName(digit), QString::number(digit), digitHandlers[digit]);
    w_.sbClear = makeKey("sbClear", QStringLiteral("C"), &TfMain::sbClearClick);
    w_.sbDigit[0] = makeKey(keyName(0), QStringLiteral("0"), digitHandlers[0]);
    w_.sbBack = makeKey("sbBack", QStringLiteral("<-"), &TfMain::sbBackClick);
}

QLabel* MainWindowBuilder::makePanelCaption(const char* name, const QString& caption) {
    QLabel* label = platform::makeLabel(w_.Panel1, QString::fromLatin1(name), caption, 0, 3,
                                        platform::clWhite, platform::uiFont(true));
    w_.attachPopup(label);
    w_.makeDraggable(label);
    label->hide();
    return label;
}

// The side panels' controls are placed and shown by ShowLogPanel and ShowOptionsPanel.
void MainWindowBuilder::buildLog() {
    w_.lLog = makePanelCaption("lLog", QStringLiteral("Tries Log"));
    w_.tbCloseLog = makeCloseButton("tbCloseLog", 0, 17, &TfMain::tbCloseLogClick);
    w_.tbCloseLog->hide();
    w_.sgLogs = new platform::TStringGrid(2, 23, w_.Panel1);
    w_.sgLogs->setObjectName(QStringLiteral("sgLogs"));
    w_.sgLogs->setColumnWidths({54, 28});
    setGeometry(w_.sgLogs, kLogGridRect);
    w_.sgLogs->setFont(platform::uiFont(true));
    w_.sgLogs->setContextMenuPolicy(Qt::PreventContextMenu);
    setPaletteColour(w_.sgLogs, QPalette::Base, platform::clBlack);
    setPaletteColour(w_.sgLogs, QPalette::Text, platform::clWhite);
    platform::setHelpContext(w_.sgLogs, kHelpLog);
    w_.sgLogs->hide();
}

// Built as the panel is first shown: its skin goes beneath every control built before it.
void MainWindowBuilder::buildOptions() {
    buildSidePanelSkin(w_.imgOptLeft, w_.imgOptBody, w_.imgOptRight, "imgOpt");
    for (platform::TImage* piece : {w_.imgOptRight, w_.imgOptBody, w_.imgOptLeft})
        piece->lower();
    w_.lOptions = makePanelCaption("lOptions", QStringLiteral("Options"));
    w_.tbCloseOptions = makeCloseButton("tbCloseOptions", 0, 16, &TfMain::tbCloseOptionsClick);
    w_.tbCloseOptions->hide();
    const auto makeGroup = [this](std::string_view name, const QString& caption,
                                  const QStringList& items) {
        auto* group = new platform::TRadioGroup(w_.Panel1);
        placeByName(group, name, optionGroupOf(name).rect);
        group->setTitle(caption);
        group->setItems(items);
        group->setFont(platform::uiFont());
        group->setAutoFillBackground(true);
        setPaletteColour(group, QPalette::Window, platform::clBlack);
        setPaletteColour(group, QPalette::WindowText, platform::clWhite);
        platform::setHelpContext(group, kHelpOptions);
        w_.attachPopup(group);
        group->hide();
        return group;
    };
    const QStringList yesNo{QStringLiteral("Yes"), QStringLiteral("No")};
    const QStringList onOff{QStringLiteral("On"), QStringLiteral("Off")};
    w_.rgDigit = makeGroup("rgDigit", QStringLiteral("# Di&git"),
                           {QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});
    w_.rgDuplicate = makeGroup("rgDuplicate", QStringLiteral("&Dupicated digit"), yesNo);
    w_.rgMusic = makeGroup("rgMusic", QStringLiteral("&Music Option"), onOff);
    w_.rgSound = makeGroup("rgSound", QStringLiteral("&Sound Option"), onOff);
    // "&Guess" and "# Di&git" share the G; Alt+G still submits the guess with the options shown.
    platform::keepMnemonicFor(w_.pbGuess, {w_.rgDigit});
    ReaderNames::nameOptionsPanel(w_);
    groupOptionsPanel();
}

// Once the groups show the settings: a choice the player makes from then on runs its handler.
void MainWindowBuilder::wireOptions() {
    w_.rgDigit->OnClick = [window = &w_] { window->rgDigitClick(); };
    w_.rgDuplicate->OnClick = [window = &w_] { window->rgDuplicateClick(); };
    w_.rgMusic->OnClick = [window = &w_] { window->rgMusicClick(); };
    w_.rgSound->OnClick = [window = &w_] { window->rgSoundClick(); };
}

// Each panel's controls in the order they are placed, with their entries in the offsets.
void MainWindowBuilder::groupLogPanel() {
    group(w_.logPanel_, {{w_.imgLogLeft, lpImgLeft},
                         {w_.imgLogBody, lpImgBody},
                         {w_.imgLogRight, lpImgRight},
                         {w_.sgLogs, lpGrid},
                         {w_.lLog, lpLabel},
                         {w_.tbCloseLog, lpClose}});
}

void MainWindowBuilder::groupOptionsPanel() {
    group(w_.optionsPanel_, {{w_.imgOptLeft, opImgLeft},
                             {w_.imgOptBody, opImgBody},
                             {w_.imgOptRight, opImgRight},
                             {w_.tbCloseOptions, opClose},
                             {w_.lOptions, opLabel},
                             {w_.rgDigit, opDigit},
                             {w_.rgDuplicate, opDuplicate},
                             {w_.rgMusic, opMusic},
                             {w_.rgSound, opSound}});
}

// The items' pictures are loaded as the menu first opens: the first frame shows none of them.
void MainWindowBuilder::buildMenu() {
    w_.puMain = new QMenu(&w_);
    w_.puMain->setObjectName(QStringLiteral("puMain"));
    auto pictures = std::make_shared<std::vector<std::pair<QAction*, QString>>>();
    const auto addItem = [this, pictures](const char* name, const QString& caption,
                                          const char* icon, void (TfMain::*handler)()) {
        QAction* action = w_.puMain->addAction(caption);
        pictures->emplace_back(action, QString::fromLatin1(icon));
        action->setObjectName(QString::fromLatin1(name));
        // The menu has closed by the time the item's handler runs, whoever chose it.
        if (handler)
            connectHandler(action, &QAction::triggered, &w_, handler, Qt::QueuedConnection);
        return action;
    };
    w_.GiveUp1 =
        addItem("GiveUp1", QStringLiteral("Give &Up"), ":/menu/giveup.png", &TfMain::GiveUp1Click);
    w_.HelpContents1 = addItem("HelpContents1", QStringLiteral("&Help Contents"), ":/menu/help.png",
                               &TfMain::HelpContents1Click);
    w_.puMain->addSeparator();
    w_.mLogs = addItem("mLogs", kShowLogs, ":/menu/logs.png", &TfMain::mLogsClick);
    w_.mOptions = addItem("mOptions", kShowOptions, ":/menu/options.png", &TfMain::mOptionsClick);
    w_.puMain->addSeparator();
    w_.mExit = addItem("mExit", QStringLiteral("E&xit"), ":/menu/exit.png", &TfMain::mExitClick);
    QObject::connect(
        w_.puMain, &QMenu::aboutToShow, w_.puMain,
        [pictures] {
            for (const auto& [action, icon] : *pictures)
                action->setIcon(QIcon(icon));
        },
        Qt::SingleShotConnection);
}

// The stored font is kept for completeness: with ParentFont the window's own font is used.
void MainWindowBuilder::buildInfoDialog() {
    w_.pInfoDlg = new controls::TProInfoDialog(&w_);
    w_.pInfoDlg->setObjectName(QStringLiteral("pInfoDlg"));
    w_.pInfoDlg->Caption = QString::fromLatin1(kWinCaption);
    w_.pInfoDlg->Alignment = controls::taCenter;
    w_.pInfoDlg->setFont(platform::pixelFont(platform::kSansFamily, 16, true));
}

// F1 opens the help at the focused control's section; the desktop's keys for a context
// menu open the window's menu.
void MainWindowBuilder::buildShortcuts() {
    platform::setApplicationHelp(kHelpDocument, {{kHelpGuess, QStringLiteral("guess")},
                                                 {kHelpLog, QStringLiteral("log")},
                                                 {kHelpOptions, QStringLiteral("options")}});
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), &w_);
    connectHandler(help, &QShortcut::activated, &w_, &TfMain::helpRequested);
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* menu = new QShortcut(key, &w_);
        connectHandler(menu, &QShortcut::activated, &w_, &TfMain::openMenuFromKeyboard);
    }
}

} // namespace game
