// Builds the main window's controls: the skinned game panel with its displays and keypad,
// the two side panels (hidden until shown; the options panel as it is first shown), the popup
// menu, the win and loss dialog, and the names screen readers read. The window keeps the
// controls; the builder only makes them, in the order they stack, and wires each to the
// window's handler of its name.
#pragma once

#include "platform/Application.h"

#include <QObject>
#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

namespace controls {
class TTransparentButton;
}
namespace platform {
class TImage;
}

namespace game {

class TfMain;

// The help page's sections F1 leads to from the control with the focus.
constexpr int kHelpGuess = 1;
constexpr int kHelpLog = 2;
constexpr int kHelpOptions = 3;

inline const QString kHelpDocument = QStringLiteral("brainlock.html");
inline const QString kShowLogs = QStringLiteral("Show &Logs");
inline const QString kShowOptions = QStringLiteral("Show &Options");

// Runs a handler of the window behind the exception boundary; queued, once the caller (a
// screen reader's action on a menu item) has had its answer.
template <class Sender, class Signal>
void connectHandler(Sender* sender, Signal signal, TfMain* window, void (TfMain::*handler)(),
                    Qt::ConnectionType type = Qt::AutoConnection) {
    QObject::connect(
        sender, signal, window,
        [window, handler] { platform::guarded([&] { (window->*handler)(); }); }, type);
}

class MainWindowBuilder {
public:
    explicit MainWindowBuilder(TfMain& window)
        : w_(window) {}
    void build();
    void buildOptions(); // the options panel, hidden, its groups not yet wired
    void wireOptions();  // each group to its handler

private:
    void buildGamePanel();
    void buildSkin();
    void buildDisplays();
    void buildKeypad();
    void buildLog();
    void buildSidePanelSkin(platform::TImage*& left, platform::TImage*& body,
                            platform::TImage*& right, const char* prefix);
    void groupLogPanel();
    void groupOptionsPanel();
    void buildMenu();
    void buildInfoDialog();
    void buildShortcuts();
    static QPixmap skinPicture(const char* name);
    platform::TImage* makeSkinPiece(const QString& name, const QPixmap& picture, int left,
                                    int width);
    controls::TTransparentButton* makeCloseButton(const char* name, int left, int width,
                                                  void (TfMain::*handler)());
    QLabel* makePanelCaption(const char* name, const QString& caption);

    TfMain& w_;
};

} // namespace game
