// TfMain: the game's main window. It owns the one game in progress and the settings, builds
// the skinned game panel and the two side panels (tries log and options), and wires the
// keypad, the Guess button, the popup menu, the panel toggles, dragging and the exit and
// help commands to the rules engine, the displays and the panel layout.
#pragma once

#include "game/GameSession.h"
#include "game/GameSounds.h"
#include "game/GameState.h"
#include "game/MusicClock.h"
#include "game/PanelLayout.h"
#include "game/PanelToggles.h"
#include "game/Settings.h"
#include "game/SettingsFile.h"
#include "game/SidePanel.h"
#include "game/WindowPlacement.h"
#include "platform/audio/MediaPlayer.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace controls {
class TProInfoDialog;
class TSevenSegment;
class TTransparentButton;
} // namespace controls
namespace platform {
class TBevelPanel;
class TImage;
class TRadioGroup;
class TSettingsStore;
class FirstFrame;
class TSpeedButton;
class TStringGrid;
class UtcClock;
class WindowMover;
} // namespace platform

class TfAbout;

namespace game {

// The play flow and the panel toggles are plain C++ (GameSession, PanelToggles) that the
// window's handlers run; the window shows what they decide through their views.
class TfMain : public QWidget, private SessionView, private PanelView {
    Q_OBJECT
public:
    explicit TfMain(const platform::UtcClock& clock, QWidget* parent = nullptr);
    ~TfMain() override;

    void setAboutWindow(TfAbout* about) { about_ = about; }
    // What builds the about window (and sets it) when the picture is first clicked.
    void setAboutWindowMaker(std::function<void()> maker) { makeAbout_ = std::move(maker); }
    // What ending the application does; quits the event loop unless a test replaces it.
    void setTerminateHandler(std::function<void()> handler) { terminate_ = std::move(handler); }

    const GameState& gameState() const { return gameState_; }
    TSettings Settings;

    // Operations the other parts of the window call. The play flow and the panel toggles
    // run in the session and the toggles, which the window's operations of their names run.
    void StartNewGame() { session_.StartNewGame(); }
    void KeypadPress(int key) { session_.KeypadPress(key); }
    void ShowEntryDigit(controls::TSevenSegment* display, int digit);
    void HideEntryDigit(controls::TSevenSegment* display);
    void RefreshPanels() override { panels_.RefreshPanels(); }
    void InitPanelOffsets();
    void ShowLogPanel(int x) override;
    void ShowOptionsPanel(int x) override;
    void HideLogPanel() override;
    void HideOptionsPanel() override;
    void buildOptionsPanel(); // as showing it first does: at once, if it is not built yet
    void PlaySoundByName(const QString& fileName);
    // Each returns once the player has seen the result; the next game starts after it.
    void AnnounceWin() override;
    void AnnounceLoss() override;
    int extraWidth() const { return ExtraWidth; }

    static constexpr int kKeyClear = GameSession::kKeyClear;
    static constexpr int kKeyBack = GameSession::kKeyBack;

    // Event handlers.
    void sb0Click() { KeypadPress(0); }
    void sb1Click() { KeypadPress(1); }
    void sb2Click() { KeypadPress(2); }
    void sb3Click() { KeypadPress(3); }
    void sb4Click() { KeypadPress(4); }
    void sb5Click() { KeypadPress(5); }
    void sb6Click() { KeypadPress(6); }
    void sb7Click() { KeypadPress(7); }
    void sb8Click() { KeypadPress(8); }
    void sb9Click() { KeypadPress(9); }
    void sbClearClick() { KeypadPress(kKeyClear); }
    void sbBackClick() { KeypadPress(kKeyBack); }
    void pbGuessClick() { session_.Guess(); }
    void GiveUp1Click() { session_.GiveUp(); }
    void tbCloseMainClick();
    void mExitClick() { tbCloseMainClick(); }
    void HelpContents1Click();
    void imgAboutClick();
    void FormCreate();
    void FormDestroy();
    void FormShow();
    void LoadSettings();
    void SaveSettings();
    void rgDigitClick();
    void rgDuplicateClick();
    void rgMusicClick();
    void rgSoundClick();
    void tPlayTimer();

    // The tick count the music timing reads; tests give their own.
    void setTickSource(std::function<std::uint32_t()> source) {
        sounds_.setTickSource(std::move(source));
    }
    const MusicClock& musicClock() const { return sounds_.musicClock(); }
    using Player = GameSounds::Player;
    platform::TMediaPlayer& player(Player which) { return sounds_.player(which); }
    QTimer* musicTimer() const { return tPlay; }
    void FormResize();
    void mLogsClick() { panels_.mLogsClick(); }
    void mOptionsClick() { panels_.mOptionsClick(); }
    void tbCloseLogClick() { mLogsClick(); }
    void tbCloseOptionsClick() { mOptionsClick(); }
    // The mouse-down handler of every control that drags the window: the skin pieces, the
    // panel, the displays and the title and caption labels all come here.
    void lTitleMouseDown(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                         int x, int y);
    void openMenuFromKeyboard();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class MainWindowBuilder; // makes the controls the window keeps
    friend class ReaderNames;       // names them for screen readers
    void placeWindow();
    void showOptionSettings();
    void attachPopup(QWidget* widget);
    void makeDraggable(QWidget* widget);
    void windowIsOnScreen();
    void applyWindowWidth() override;
    void captionLogsItem(bool logShown) override;
    void captionOptionsItem(bool optionsShown) override;
    void helpRequested();
    // What the play flow shows, sounds and asks (SessionView).
    void PlaySoundByName(const std::string& fileName) override;
    void showEntryDigit(int slot, int digit) override;
    void hideEntryDigit(int slot) override;
    void hideAllEntryDigits() override;
    void showScore(const Score& score) override;
    void showGuessesLeft(int left) override;
    void writeLogRow(int row, const std::string& guess, const std::string& score) override;
    void refuseFullEntry() override;
    bool confirmOptionChange() override;
    void tellOptionWaitsForNextGame() override;
    void restartMusicInterval() override;
    void resetEntryDisplays() override;
    void enableOptionGroups() override;
    void resizeLog(int rows, int rowsToEmpty) override;
    void fitGamePanel(int digitCount) override;
    QLabel* markUnder(const controls::TSevenSegment* display) const;
    void say(const std::string& text) override;
    controls::TSevenSegment* entryDisplay(int slot) const; // slot 1..6

    GameState gameState_;
    GameSession session_{gameState_, Settings, *this};
    PanelToggles panels_{Settings, *this};
    SidePanel logPanel_;     // the tries log's controls
    SidePanel optionsPanel_; // the options' controls
    int ExtraWidth = 0;
    bool shown_ = false;
    TfAbout* about_ = nullptr;
    std::function<void()> makeAbout_;
    std::function<void()> terminate_;

    GameSounds sounds_; // the players mpSound, mpClear, mpWin, mpLose and mpMusic
    QTimer* tPlay = nullptr;
    platform::FirstFrame* firstFrame_ = nullptr;
    WindowPos placeAsked_;      // where the window was asked to open
    WindowPos managerShift_;    // how far off that the window manager put it
    SettingsFile settingsFile_; // open from FormCreate to the end
    LogOffsets LogPanelOffsets{};
    OptionsOffsets OptionsPanelOffsets{};
    platform::WindowMover* mover_ = nullptr;

    platform::TBevelPanel* Panel1 = nullptr;
    platform::TImage* imgMainLeft = nullptr;
    platform::TImage* imgMainBody = nullptr;
    platform::TImage* imgMainRight = nullptr;
    platform::TImage* imgLogLeft = nullptr;
    platform::TImage* imgLogBody = nullptr;
    platform::TImage* imgLogRight = nullptr;
    platform::TImage* imgOptLeft = nullptr;
    platform::TImage* imgOptBody = nullptr;
    platform::TImage* imgOptRight = nullptr;
    QLabel* lTitle = nullptr;
    std::array<controls::TSevenSegment*, kMaxDigits> ssNum{};
    std::array<QLabel*, kMaxDigits> lQM{};
    std::array<platform::TSpeedButton*, 10> sbDigit{};
    platform::TSpeedButton* sbClear = nullptr;
    platform::TSpeedButton* sbBack = nullptr;
    QPushButton* pbGuess = nullptr;
    controls::TSevenSegment* ssLeft = nullptr;
    controls::TSevenSegment* ssNumbers = nullptr;
    controls::TSevenSegment* ssPlace = nullptr;
    QLabel* lCorrect = nullptr;
    QLabel* lPlace = nullptr;
    platform::TImage* imgAbout = nullptr;
    controls::TTransparentButton* tbCloseMain = nullptr;
    QLabel* lLog = nullptr;
    controls::TTransparentButton* tbCloseLog = nullptr;
    platform::TStringGrid* sgLogs = nullptr;
    QLabel* lOptions = nullptr;
    controls::TTransparentButton* tbCloseOptions = nullptr;
    platform::TRadioGroup* rgDigit = nullptr;
    platform::TRadioGroup* rgDuplicate = nullptr;
    platform::TRadioGroup* rgMusic = nullptr;
    platform::TRadioGroup* rgSound = nullptr;
    controls::TProInfoDialog* pInfoDlg = nullptr;
    QMenu* puMain = nullptr;
    QAction* GiveUp1 = nullptr;
    QAction* HelpContents1 = nullptr;
    QAction* mLogs = nullptr;
    QAction* mOptions = nullptr;
    QAction* mExit = nullptr;
};

} // namespace game
