#include "game/uMain.h"

#include "about/uAbout.h"
#include "controls/Seven.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/Help.h"
#include "platform/Shell.h"
#include "platform/StdCtrls.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QToolButton>

namespace game {

using controls::TSevenSegment;
using platform::rgbColor;

namespace {

const QString kFullEntryMessage = QStringLiteral("Sorry, you cannot add more number");
const QString kExitQuestion = QStringLiteral("Are you sure want to exit Brainlock Game ?");
const QString kHelpDocument = QStringLiteral("brainlock.html");

constexpr int kWindowHeight = 304;
constexpr int kGamePanelWidth = 182; // a four-digit game; ExtraWidth adds to it
constexpr int kDigitStep = 32;       // each digit over four widens the game panel by this
constexpr int kCloseMainLeft = 163;

constexpr int kHelpGuess = 1;
constexpr int kHelpLog = 2;
constexpr int kHelpOptions = 3;

constexpr platform::TColor kLeftOffColor = rgbColor(32, 32, 32);
constexpr platform::TColor kScoreOffColor = rgbColor(64, 64, 64);

// Runs a handler of the window behind the exception boundary.
template <class Sender, class Signal>
void connectHandler(Sender* sender, Signal signal, TfMain* window, void (TfMain::*handler)()) {
    QObject::connect(sender, signal, window,
                     [window, handler] { platform::guarded([&] { (window->*handler)(); }); });
}

QString helpSection(int context) {
    switch (context) {
    case kHelpGuess:
        return QStringLiteral("guess");
    case kHelpLog:
        return QStringLiteral("log");
    case kHelpOptions:
        return QStringLiteral("options");
    default:
        return {};
    }
}

void setPaletteColour(QWidget* widget, QPalette::ColorRole role, platform::TColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, platform::toQColor(colour));
    widget->setPalette(palette);
}

} // namespace

TfMain::TfMain(const platform::UtcClock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , gameState_(clock)
    , terminate_([] { QCoreApplication::quit(); }) {
    setObjectName(QStringLiteral("fMain"));
    setWindowTitle(QStringLiteral("Brainlock Game"));
    setFont(platform::uiFont());
    buildGamePanel();
    buildLog();
    buildMenu();
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connectHandler(help, &QShortcut::activated, this, &TfMain::helpRequested);
    FormCreate();
}

TfMain::~TfMain() = default;

void TfMain::buildGamePanel() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    setPaletteColour(Panel1, QPalette::Window, platform::clBlack);
    attachPopup(Panel1); // the skin that will cover the panel carries the popup menu

    lTitle = platform::makeLabel(Panel1, QStringLiteral("lTitle"), QStringLiteral("Brainlock Game"),
                                 40, 7, platform::clWhite, platform::uiFont(true));
    lTitle->resize(105, 13);
    attachPopup(lTitle);

    buildDisplays();
    buildKeypad();

    pbGuess = new QPushButton(QStringLiteral("&Guess"), Panel1);
    pbGuess->setObjectName(QStringLiteral("pbGuess"));
    pbGuess->setFont(platform::uiFont(true));
    pbGuess->setGeometry(104, 120, 57, 49);
    pbGuess->setContextMenuPolicy(Qt::PreventContextMenu);
    platform::setHelpContext(pbGuess, kHelpGuess);
    connectHandler(pbGuess, &QPushButton::clicked, this, &TfMain::pbGuessClick);
    setFocusProxy(pbGuess);

    lCorrect =
        platform::makeLabel(Panel1, QStringLiteral("lCorrect"), QStringLiteral("Correct Number"),
                            36, 230, platform::clWhite, platform::uiFont(true));
    lPlace = platform::makeLabel(Panel1, QStringLiteral("lPlace"), QStringLiteral("Correct Place"),
                                 36, 262, platform::clWhite, platform::uiFont(true));
    attachPopup(lCorrect);
    attachPopup(lPlace);

    imgAbout = new platform::TImage(Panel1);
    imgAbout->setObjectName(QStringLiteral("imgAbout"));
    imgAbout->setPixmap(QPixmap(QStringLiteral(":/images/about.png")));
    imgAbout->setGeometry(127, 246, 32, 32);
    imgAbout->setCursor(Qt::PointingHandCursor);
    imgAbout->setToolTip(QStringLiteral("About Brainlock Game"));
    attachPopup(imgAbout);
    connectHandler(imgAbout, &platform::TImage::clicked, this, &TfMain::imgAboutClick);

    tbCloseMain = new QToolButton(Panel1);
    tbCloseMain->setObjectName(QStringLiteral("tbCloseMain"));
    tbCloseMain->setText(QStringLiteral("X"));
    tbCloseMain->setFont(platform::uiFont(true));
    tbCloseMain->setAutoRaise(true);
    tbCloseMain->setFocusPolicy(Qt::NoFocus);
    tbCloseMain->setContextMenuPolicy(Qt::PreventContextMenu);
    setPaletteColour(tbCloseMain, QPalette::ButtonText, platform::clWhite);
    tbCloseMain->setGeometry(kCloseMainLeft, 1, 17, 17);
    connectHandler(tbCloseMain, &QToolButton::clicked, this, &TfMain::tbCloseMainClick);
}

void TfMain::buildDisplays() {
    const QFont questionFont = platform::pixelFont(platform::kSerifFamily, 40);
    for (int i = 0; i < kMaxDigits; ++i) {
        const int left = 32 + kDigitStep * i;
        QLabel* mark =
            platform::makeLabel(Panel1, QStringLiteral("lQM%1").arg(i + 1), QStringLiteral("?"),
                                left, 40, platform::clRed, questionFont);
        mark->resize(25, 46);
        mark->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        mark->setVisible(i < kMinDigits);
        lQM[static_cast<std::size_t>(i)] = mark;
    }
    // The digit displays come after the marks so that a visible digit covers its "?".
    for (int i = 0; i < kMaxDigits; ++i) {
        auto* display = new TSevenSegment(Panel1);
        display->setObjectName(QStringLiteral("ssNum%1").arg(i + 1));
        display->setGeometry(32 + kDigitStep * i, 40, 25, 41);
        display->setNumberOfDigit(1);
        display->setThickness(4);
        display->setOffColor(platform::clBlack);
        display->setShowDecimalPoint(true);
        display->hide();
        attachPopup(display);
        ssNum[static_cast<std::size_t>(i)] = display;
    }

    ssLeft = new TSevenSegment(Panel1);
    ssLeft->setObjectName(QStringLiteral("ssLeft"));
    ssLeft->setGeometry(112, 172, 41, 41);
    ssLeft->setNumberOfDigit(2);
    ssLeft->setThickness(4);
    ssLeft->setHorzSpace(5);
    ssLeft->setOffColor(kLeftOffColor);
    ssLeft->setLeadingZeros(true);
    ssLeft->setShowDecimalPoint(false);
    ssLeft->setToolTip(QStringLiteral("Number of guesses left"));
    attachPopup(ssLeft);

    const auto makeScore = [this](const char* name, int top) {
        auto* display = new TSevenSegment(Panel1);
        display->setObjectName(QString::fromLatin1(name));
        display->setGeometry(16, top, 18, 26);
        display->setNumberOfDigit(1);
        display->setThickness(2);
        display->setOffColor(kScoreOffColor);
        display->setShowDecimalPoint(false);
        attachPopup(display);
        return display;
    };
    ssNumbers = makeScore("ssNumbers", 224);
    ssPlace = makeScore("ssPlace", 256);
}

void TfMain::buildKeypad() {
    static constexpr void (TfMain::*digitHandlers[10])() = {
        &TfMain::sb0Click, &TfMain::sb1Click, &TfMain::sb2Click, &TfMain::sb3Click,
        &TfMain::sb4Click, &TfMain::sb5Click, &TfMain::sb6Click, &TfMain::sb7Click,
        &TfMain::sb8Click, &TfMain::sb9Click};
    const auto makeKey = [this](const QString& name, const QString& caption, int left, int top,
                                int width, void (TfMain::*handler)()) {
        auto* key = new platform::TSpeedButton(Panel1);
        key->setObjectName(name);
        key->setText(caption);
        key->setFont(platform::uiFont(true));
        key->setGeometry(left, top, width, 23);
        key->setContextMenuPolicy(Qt::PreventContextMenu);
        connectHandler(key, &QToolButton::clicked, this, handler);
        return key;
    };
    constexpr int lefts[3] = {24, 48, 72};
    // Rows of 7-8-9, 4-5-6 and 1-2-3 from the top, as on a calculator.
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int digit = 7 - 3 * row + column;
            sbDigit[static_cast<std::size_t>(digit)] =
                makeKey(QStringLiteral("sb%1").arg(digit), QString::number(digit), lefts[column],
                        120 + 24 * row, 24, digitHandlers[digit]);
        }
    }
    sbClear = makeKey(QStringLiteral("sbClear"), QStringLiteral("C"), lefts[0], 192, 24,
                      &TfMain::sbClearClick);
    sbDigit[0] =
        makeKey(QStringLiteral("sb0"), QStringLiteral("0"), lefts[1], 192, 25, digitHandlers[0]);
    sbBack = makeKey(QStringLiteral("sbBack"), QStringLiteral("<-"), lefts[2], 192, 24,
                     &TfMain::sbBackClick);
}

void TfMain::buildLog() {
    // Placed and shown with the tries-log panel; until then it keeps the log out of sight.
    sgLogs = new platform::TStringGrid(2, 23, Panel1);
    sgLogs->setObjectName(QStringLiteral("sgLogs"));
    sgLogs->setColumnWidths({54, 28});
    sgLogs->resize(105, 242);
    sgLogs->setFont(platform::uiFont(true));
    setPaletteColour(sgLogs, QPalette::Base, platform::clBlack);
    setPaletteColour(sgLogs, QPalette::Text, platform::clWhite);
    platform::setHelpContext(sgLogs, kHelpLog);
    sgLogs->hide();
}

void TfMain::buildMenu() {
    puMain = new QMenu(this);
    puMain->setObjectName(QStringLiteral("puMain"));
    const auto addItem = [this](const char* name, const QString& caption, const char* icon,
                                void (TfMain::*handler)()) {
        QAction* action = puMain->addAction(QIcon(QString::fromLatin1(icon)), caption);
        action->setObjectName(QString::fromLatin1(name));
        if (handler) connectHandler(action, &QAction::triggered, this, handler);
        return action;
    };
    GiveUp1 =
        addItem("GiveUp1", QStringLiteral("Give &Up"), ":/menu/giveup.png", &TfMain::GiveUp1Click);
    HelpContents1 = addItem("HelpContents1", QStringLiteral("&Help Contents"), ":/menu/help.png",
                            &TfMain::HelpContents1Click);
    puMain->addSeparator();
    // The side panels they show arrive with the panel layout; until then they do nothing.
    mLogs = addItem("mLogs", QStringLiteral("Show &Logs"), ":/menu/logs.png", nullptr);
    mOptions = addItem("mOptions", QStringLiteral("Show &Options"), ":/menu/options.png", nullptr);
    mLogs->setEnabled(false);
    mOptions->setEnabled(false);
    puMain->addSeparator();
    mExit = addItem("mExit", QStringLiteral("E&xit"), ":/menu/exit.png", &TfMain::mExitClick);
}

void TfMain::attachPopup(QWidget* widget) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this, [this, widget](const QPoint& at) {
        platform::guarded([&] { puMain->exec(widget->mapToGlobal(at)); });
    });
}

void TfMain::FormCreate() {
    move(Settings.Left, Settings.Top);
    RefreshPanels();
}

void TfMain::FormShow() {
    StartNewGame();
}

void TfMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && !shown_) {
        shown_ = true;
        platform::guarded([&] { FormShow(); });
    }
}

void TfMain::StartNewGame() {
    for (TSevenSegment* display : ssNum) {
        display->hide();
        display->setValue(QStringLiteral("0"));
    }
    ssNumbers->setValue(QStringLiteral("0"));
    ssPlace->setValue(QStringLiteral("0"));

    // Rows the finished game wrote; the new game's size comes from its own digit count,
    // which NewGame keeps to 4..6.
    const int rowsUsed = static_cast<int>(gameState_.log().size());
    gameState_.NewGame(Settings.Digit, Settings.Duplicate);
    sgLogs->setRowCount(logCapacity(gameState_.digitCount()));
    for (int row = 0; row < std::min(rowsUsed, sgLogs->rowCount()); ++row) {
        sgLogs->setCell(0, row, {});
        sgLogs->setCell(1, row, {});
    }
    ssLeft->setValue(QString::number(gameState_.guessesLeft()));

    ExtraWidth = (gameState_.digitCount() - kMinDigits) * kDigitStep;
    tbCloseMain->move(kCloseMainLeft + ExtraWidth, tbCloseMain->y());

    for (int i = kMinDigits; i < kMaxDigits; ++i)
        lQM[static_cast<std::size_t>(i)]->setVisible(gameState_.digitCount() > i);

    RefreshPanels();
}

void TfMain::RefreshPanels() {
    const int width = kGamePanelWidth + ExtraWidth;
    setFixedSize(width, kWindowHeight);
    Panel1->setGeometry(0, 0, width, kWindowHeight);
}

TSevenSegment* TfMain::entryDisplay(int slot) const {
    return ssNum[static_cast<std::size_t>(std::clamp(slot, 1, kMaxDigits) - 1)];
}

void TfMain::ShowEntryDigit(TSevenSegment* display, int digit) {
    display->setValue(QString::number(digit));
    display->show();
}

void TfMain::HideEntryDigit(TSevenSegment* display) {
    display->hide();
}

void TfMain::hideAllEntryDigits() {
    for (TSevenSegment* display : ssNum)
        HideEntryDigit(display);
}

void TfMain::KeypadPress(int key) {
    if (key >= 0 && key <= 9) {
        PlaySoundByName(QStringLiteral("click.wav")); // also when the digit is then refused
        const EntryResult result = gameState_.AddDigit(key, Settings.Duplicate);
        switch (result.kind) {
        case EntryKind::Full:
            platform::messageDialogs().error(kFullEntryMessage);
            break;
        case EntryKind::Repeated:
            break;
        case EntryKind::Added:
            ShowEntryDigit(entryDisplay(result.slot), key);
            break;
        }
    } else if (key == kKeyClear) {
        PlaySoundByName(QStringLiteral("clear.wav"));
        gameState_.ClearEntry();
        hideAllEntryDigits();
    } else if (key == kKeyBack) {
        PlaySoundByName(QStringLiteral("clear.wav"));
        if (const std::optional<int> emptied = gameState_.DeleteLastDigit())
            HideEntryDigit(entryDisplay(*emptied));
    }
}

void TfMain::pbGuessClick() {
    const GuessOutcome outcome = gameState_.SubmitGuess();
    if (outcome.kind == GuessKind::Incomplete) return;
    ssNumbers->setValue(QString::number(outcome.score.correctNumber));
    ssPlace->setValue(QString::number(outcome.score.correctPlace));
    if (outcome.kind == GuessKind::Won) {
        AnnounceWin();
        StartNewGame();
        return;
    }
    // The earlier rows of this game; a losing guess finds no row left for it in the grid.
    const int row = static_cast<int>(gameState_.log().size()) - 1;
    if (row < sgLogs->rowCount()) {
        sgLogs->setCell(0, row, QString::fromStdString(gameState_.log().back().guess));
        sgLogs->setCell(1, row, ssNumbers->value() + QLatin1Char('/') + ssPlace->value());
    }
    ssLeft->setValue(QString::number(gameState_.guessesLeft()));
    if (outcome.kind == GuessKind::Lost) GiveUp1Click();
    hideAllEntryDigits();
}

void TfMain::GiveUp1Click() {
    AnnounceLoss();
    StartNewGame();
}

// The announcement dialogs arrive with the info dialog; until then the next game follows.
void TfMain::AnnounceWin() {
    PlaySoundByName(QStringLiteral("win.wav"));
}

void TfMain::AnnounceLoss() {
    PlaySoundByName(QStringLiteral("lose.wav"));
}

// Sound arrives with the media players; the calls stand where the sounds belong.
void TfMain::PlaySoundByName(const QString&) {}

void TfMain::tbCloseMainClick() {
    if (platform::messageDialogs().confirm(kExitQuestion)) terminate_();
}

void TfMain::HelpContents1Click() {
    openHelp(0);
}

void TfMain::openHelp(int context) {
    platform::shell().open(
        platform::documentUrl(platform::locateFile(kHelpDocument), helpSection(context)));
}

void TfMain::helpRequested() {
    QWidget* target = QApplication::widgetAt(QCursor::pos());
    if (!target || target->window() != this) target = focusWidget();
    openHelp(platform::helpContextFor(target));
}

void TfMain::imgAboutClick() {
    if (about_) about_->showModal();
}

} // namespace game
