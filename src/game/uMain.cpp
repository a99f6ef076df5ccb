#include "game/uMain.h"

#include "about/uAbout.h"
#include "controls/ProDlgs.h"
#include "controls/Seven.h"
#include "controls/TransBtn.h"
#include "game/MainWindowBuilder.h"
#include "game/Messages.h"
#include "game/SettingsFile.h"
#include "game/WindowPlacement.h"
#include "platform/Accessibility.h"
#include "platform/Application.h"
#include "platform/system/Clock.h"
#include "platform/system/Help.h"
#include "platform/system/SettingsStore.h"
#include "platform/system/StartupTrace.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/StdCtrls.h"
#include "platform/window/FirstFrame.h"
#include "platform/window/WindowMove.h"
#include "platform/window/WindowSystem.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace game {

using controls::TSevenSegment;

namespace {

constexpr int kOnScreenAtTheLatest = 500; // ms after the first show

const QString kHideLogs = QStringLiteral("Hide &Logs");
const QString kHideOptions = QStringLiteral("Hide &Options");

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

TfMain::TfMain(const platform::UtcClock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , gameState_(clock)
    , terminate_([] { QCoreApplication::quit(); }) {
    setObjectName(QStringLiteral("fMain"));
    setWindowTitle(QStringLiteral("Brainlock Game"));
    setFont(platform::uiFont());
    sounds_.startChecking(); // while the controls are built
    tPlay = new QTimer(this);
    tPlay->setObjectName(QStringLiteral("tPlay"));
    tPlay->setSingleShot(true);
    tPlay->setTimerType(Qt::PreciseTimer); // a coarse timer may be seconds out over 152 s
    connectHandler(tPlay, &QTimer::timeout, this, &TfMain::tPlayTimer);
    sounds_.attachTimer(tPlay);
    mover_ = new platform::WindowMover(this, [this](QPoint at) {
        const WindowPos ask = placeToAskFor({at.x(), at.y()}, managerShift_);
        Settings.Left = ask.left;
        Settings.Top = ask.top;
    });
    MainWindowBuilder(*this).build();
    sounds_.open();
    platform::startupMark("sounds opened");
    firstFrame_ = new platform::FirstFrame(Panel1, [this] { windowIsOnScreen(); });
    FormCreate();
}

TfMain::~TfMain() {
    FormDestroy();
}

// The sounds load now. By now the window manager has placed the window: how far off the place
// asked it put it is known.
void TfMain::windowIsOnScreen() {
    if (platform::windowPlacesAreKnown()) managerShift_ = managerShift(placeAsked_, {x(), y()});
    platform::dropWindowIconCopies();
    platform::startAudio();
}

void TfMain::makeDraggable(QWidget* widget) {
    widget->installEventFilter(this);
}

// Only the draggable controls are watched. A press the panel sees on behalf of one of its
// children (a label that lets presses through) is not a press on the panel.
bool TfMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    if (watched == Panel1 && Panel1->childAt(at)) return false;
    platform::guarded(
        [&] { lTitleMouseDown(watched, mouse->button(), mouse->modifiers(), at.x(), at.y()); });
    return mouse->button() == Qt::LeftButton;
}

void TfMain::lTitleMouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers, int x,
                             int y) {
    if (button != Qt::LeftButton) return; // the right button opens the popup menu instead
    // Whoever sent it, the window moves; a control's point only tells where the press was.
    const auto* source = qobject_cast<QWidget*>(sender);
    mover_->begin(source ? source->mapToGlobal(QPoint(x, y)) : QCursor::pos());
}

void TfMain::attachPopup(QWidget* widget) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this, [this, widget](const QPoint& at) {
        platform::guarded([&] { puMain->exec(widget->mapToGlobal(at)); });
    });
}

// A store that cannot be opened or read is reported, and the window is still placed and laid
// out from the values in hand, so that what the player sees is what the game does. The values
// read are in the game's ranges already.
void TfMain::FormCreate() {
    try {
        settingsFile_.open();
        if (!settingsFile_.hasSettings()) settingsFile_.write(TSettings{}); // the first run
        LoadSettings();
        platform::startupMark("settings");
    } catch (const std::exception& e) {
        platform::postApplicationError(QString::fromUtf8(e.what()));
    } catch (...) {
        platform::postApplicationError(QStringLiteral("Unknown error."));
    }
    InitPanelOffsets();
    placeWindow();
    showOptionSettings();
    RefreshPanels();
    platform::startupMark("layout");
}

// The option groups show the settings: now, or as the options panel is built.
void TfMain::showOptionSettings() {
    if (!rgDigit) return;
    rgDigit->setItemIndex(Settings.Digit - kMinDigits);
    rgDuplicate->setItemIndex(Settings.Duplicate ? 0 : 1);
    rgMusic->setItemIndex(Settings.Music ? 0 : 1);
    rgSound->setItemIndex(Settings.Sound ? 0 : 1);
}

// Built hidden, showing the settings, and only then wired to the handlers, which the
// settings' choices need not run.
void TfMain::buildOptionsPanel() {
    if (rgDigit) return;
    MainWindowBuilder builder(*this);
    builder.buildOptions();
    showOptionSettings();
    builder.wireOptions();
}

// Reads in order; a failure leaves the fields after it at their first-run values.
void TfMain::LoadSettings() {
    settingsFile_.read(Settings);
}

void TfMain::SaveSettings() {
    settingsFile_.write(Settings);
}

// At exit the event loop is over: a failure is shown at once, and the program still ends.
void TfMain::FormDestroy() {
    if (!settingsFile_.isOpen()) return; // its failure was reported when the window was created
    try {
        SaveSettings();
    } catch (const std::exception& e) {
        platform::messageDialogs().applicationError(QString::fromUtf8(e.what()));
    } catch (...) {
        platform::messageDialogs().applicationError(QStringLiteral("Unknown error."));
    }
}

// The stored place, unless no part of the title strip would be on any screen. Where the
// window system places windows itself, the stored place is kept for the next desktop that
// lets the game put its window back.
void TfMain::placeWindow() {
    if (!platform::windowPlacesAreKnown()) return;
    std::vector<ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->geometry();
        screens.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    const WindowPos at = placeOnScreens(Settings.Left, Settings.Top,
                                        windowWidth(Settings.Logs, Settings.Option, ExtraWidth),
                                        kWindowHeight, screens);
    Settings.Left = at.left;
    Settings.Top = at.top;
    placeAsked_ = at;
    move(at.left, at.top);
}

// The option's group is greyed while its change waits for the next game.
void TfMain::rgDigitClick() {
    if (session_.DigitCountChosen(rgDigit->itemIndex() + kMinDigits)) rgDigit->setEnabled(false);
}

void TfMain::rgDuplicateClick() {
    if (session_.DuplicateChosen(rgDuplicate->itemIndex() == 0)) rgDuplicate->setEnabled(false);
}

void TfMain::rgMusicClick() {
    const bool on = rgMusic->itemIndex() == 0;
    if (on == Settings.Music) return;
    Settings.Music = on;
    sounds_.musicSwitched(on);
}

void TfMain::rgSoundClick() {
    Settings.Sound = rgSound->itemIndex() == 0;
}

void TfMain::FormShow() {
    // The sounds load once the window has painted, or after a moment if it never does.
    firstFrame_->shownAtTheLatest(kOnScreenAtTheLatest);
    StartNewGame();
    sounds_.startMusic(Settings.Music);
}

void TfMain::tPlayTimer() {
    sounds_.timerFired(Settings.Music);
}

void TfMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && !shown_) {
        shown_ = true;
        platform::guarded([&] { FormShow(); });
    }
}

void TfMain::restartMusicInterval() {
    sounds_.newGame(Settings.Music);
}

void TfMain::resetEntryDisplays() {
    for (TSevenSegment* display : ssNum) {
        HideEntryDigit(display);
        display->setValue(QStringLiteral("0"));
    }
}

void TfMain::enableOptionGroups() {
    if (!rgDigit) return; // none has been changed
    rgDuplicate->setEnabled(true);
    rgDigit->setEnabled(true);
}

void TfMain::resizeLog(int rows, int rowsToEmpty) {
    sgLogs->setRowCount(rows);
    for (int row = 0; row < std::min(rowsToEmpty, rows); ++row) {
        sgLogs->setCell(0, row, {});
        sgLogs->setCell(1, row, {});
    }
}

void TfMain::fitGamePanel(int digitCount) {
    ExtraWidth = extraWidthFor(digitCount);
    imgMainBody->resize(kMainBodyWidth + ExtraWidth, kSkinHeight);
    imgMainRight->move(kMainRightLeft + ExtraWidth, kSkinTop);
    tbCloseMain->move(kCloseMainLeft + ExtraWidth, tbCloseMain->y());
    for (int i = kMinDigits; i < kMaxDigits; ++i)
        lQM[static_cast<std::size_t>(i)]->setVisible(digitCount > i);
}

void TfMain::InitPanelOffsets() {
    LogPanelOffsets = kLogPanelOffsets;
    OptionsPanelOffsets = kOptionsPanelOffsets;
}

void TfMain::ShowLogPanel(int x) {
    Settings.Logs = true;
    logPanel_.showAt(x + ExtraWidth, LogPanelOffsets);
}

void TfMain::ShowOptionsPanel(int x) {
    buildOptionsPanel();
    Settings.Option = true;
    optionsPanel_.showAt(x + ExtraWidth, OptionsPanelOffsets);
}

// Hiding keeps the grid's rows and the groups' selections.
void TfMain::HideLogPanel() {
    Settings.Logs = false;
    logPanel_.hide();
}

void TfMain::HideOptionsPanel() {
    Settings.Option = false;
    optionsPanel_.hide();
}

void TfMain::captionLogsItem(bool logShown) {
    mLogs->setText(logShown ? kHideLogs : kShowLogs);
}

void TfMain::captionOptionsItem(bool optionsShown) {
    mOptions->setText(optionsShown ? kHideOptions : kShowOptions);
}

// The left edge stays; the window grows or shrinks at its right edge.
void TfMain::applyWindowWidth() {
    const int width = windowWidth(Settings.Logs, Settings.Option, ExtraWidth);
    setFixedSize(width, kWindowHeight);
    Panel1->setGeometry(0, 0, width, kWindowHeight);
    FormResize();
}

// Keeps the keypad, the Guess button, the title, the scores, the about picture and the
// guesses-left display centred in the widened game panel.
void TfMain::FormResize() {
    for (const CentredLeft& placed : centredLefts(ExtraWidth)) {
        const QString name = QString::fromLatin1(placed.control.data(),
                                                 static_cast<qsizetype>(placed.control.size()));
        if (QWidget* control = Panel1->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly))
            control->move(placed.left, control->y());
    }
}

TSevenSegment* TfMain::entryDisplay(int slot) const {
    return ssNum[static_cast<std::size_t>(std::clamp(slot, 1, kMaxDigits) - 1)];
}

void TfMain::ShowEntryDigit(TSevenSegment* display, int digit) {
    display->setValue(QString::number(digit));
    display->show();
    platform::setAccessibleHidden(markUnder(display), true); // the digit covers its "?"
}

void TfMain::HideEntryDigit(TSevenSegment* display) {
    display->hide();
    platform::setAccessibleHidden(markUnder(display), false);
}

QLabel* TfMain::markUnder(const TSevenSegment* display) const {
    const auto slot =
        static_cast<std::size_t>(std::find(ssNum.begin(), ssNum.end(), display) - ssNum.begin());
    return lQM[std::min(slot, lQM.size() - 1)];
}

void TfMain::hideAllEntryDigits() {
    for (TSevenSegment* display : ssNum)
        HideEntryDigit(display);
}

void TfMain::PlaySoundByName(const std::string& fileName) {
    PlaySoundByName(text(fileName));
}

void TfMain::showEntryDigit(int slot, int digit) {
    ShowEntryDigit(entryDisplay(slot), digit);
}

void TfMain::hideEntryDigit(int slot) {
    HideEntryDigit(entryDisplay(slot));
}

void TfMain::showScore(const Score& score) {
    ssNumbers->setValue(QString::number(score.correctNumber));
    ssPlace->setValue(QString::number(score.correctPlace));
}

void TfMain::showGuessesLeft(int left) {
    ssLeft->setValue(QString::number(left));
}

void TfMain::writeLogRow(int row, const std::string& guess, const std::string& score) {
    sgLogs->setCell(0, row, text(guess));
    sgLogs->setCell(1, row, text(score));
}

void TfMain::refuseFullEntry() {
    platform::messageDialogs().error(text(kFullEntryMessage));
}

bool TfMain::confirmOptionChange() {
    return platform::messageDialogs().confirm(text(kOptionChanged));
}

void TfMain::tellOptionWaitsForNextGame() {
    platform::messageDialogs().information(text(kOptionNextGame));
}

// The typed digits and both scores stay on display behind the dialog.
void TfMain::AnnounceWin() {
    PlaySoundByName(QStringLiteral("win.wav"));
    pInfoDlg->InfoMessage = text(winMessage(gameState_.secret()));
    pInfoDlg->Execute();
}

void TfMain::AnnounceLoss() {
    PlaySoundByName(QStringLiteral("lose.wav"));
    pInfoDlg->Caption = text(kLoseCaption);
    pInfoDlg->InfoMessage = text(lossMessage(gameState_.secret()));
    // The caption goes back whatever happens in the dialog.
    struct RestoreCaption {
        controls::TProInfoDialog* dialog;
        ~RestoreCaption() { dialog->Caption = text(kWinCaption); }
    } restore{pInfoDlg};
    pInfoDlg->Execute();
}

// Through the control with the focus, for a screen reader.
void TfMain::say(const std::string& sentence) {
    platform::announce(text(sentence), pbGuess);
}

// Effects sound alongside each other; one already playing goes on.
void TfMain::PlaySoundByName(const QString& fileName) {
    if (Settings.Sound) sounds_.playEffect(fileName);
}

void TfMain::tbCloseMainClick() {
    if (platform::messageDialogs().confirm(text(kExitQuestion))) terminate_();
}

void TfMain::HelpContents1Click() {
    platform::showHelp(0);
}

// F1 follows the focused control and then its parents to the first help context.
void TfMain::helpRequested() {
    platform::showHelp(platform::helpContextFor(focusWidget()));
}

// Under the title, where the pointer would open it.
void TfMain::openMenuFromKeyboard() {
    puMain->exec(lTitle->mapToGlobal(QPoint(0, lTitle->height())));
}

void TfMain::imgAboutClick() {
    if (!about_ && makeAbout_) makeAbout_();
    if (about_) about_->showModal();
}

} // namespace game
