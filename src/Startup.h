// The program's start-up, shared by the entry point and the start-up benchmark: the
// application object's set-up, the main window, and the about window when it is first asked
// for.
#pragma once

#include <memory>

class QApplication;
class TfAbout;
namespace game {
class TfMain;
}

struct TWindows {
    std::unique_ptr<game::TfMain> main;
    std::unique_ptr<TfAbout> about;
    ~TWindows();
};

// Before the application object is made, on the main thread: starts the first frame's work
// that another thread can do meanwhile (its heap mapped, the font configuration read).
void startWorkAheadOfTheWindow();

// Builds the main window, which builds the about window as its picture is first clicked; when
// the main window cannot be built, shows the "Application Error" box and returns nothing.
std::unique_ptr<TWindows> createWindows(QApplication& app);

// Builds the about window now, if it is not built yet.
void buildAboutWindow(TWindows& windows);

// The whole run: build, show, run the message loop. Returns the process exit code.
int runBrainlock(QApplication& app);
