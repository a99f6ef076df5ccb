#include "Startup.h"

#include "about/uAbout.h"
#include "game/uMain.h"
#include "platform/Application.h"
#include "platform/system/Clock.h"
#include "platform/system/FirstFrameHeap.h"
#include "platform/system/StartupTrace.h"
#include "platform/system/WorkAhead.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Fonts.h"

#include <QApplication>

TWindows::~TWindows() = default;

void startWorkAheadOfTheWindow() {
    // Where fonts come from fontconfig (Linux); elsewhere the system keeps the fonts, and the
    // allocator is not glibc's.
#ifdef BRAINLOCK_FONTCONFIG
    const platform::HeapStretch heap = platform::growHeapAhead(); // before any other thread
    platform::startWorkAhead([heap] {
        platform::faultInAhead(heap);
        platform::readFontConfiguration();
    });
#endif
}

std::unique_ptr<TWindows> createWindows(QApplication& app) {
    platform::initApplication(app, QStringLiteral("Brainlock Game"));
    platform::startupMark("style, icon and fonts");
    auto windows = std::make_unique<TWindows>();
    // What escapes while the windows are built (a media file that cannot be opened) ends the
    // program; failures of the window's own handlers are reported by the handlers themselves.
    try {
        windows->main = std::make_unique<game::TfMain>(platform::systemUtcClock());
    } catch (const std::exception& e) {
        platform::showStartupError(QString::fromUtf8(e.what()));
        return nullptr;
    } catch (...) {
        platform::showStartupError(QStringLiteral("Unknown error."));
        return nullptr;
    }
    // The about window is hidden until asked for, and built then: its credits (rendered as it
    // is built) hold up no frame before, nor take memory in a game that never shows them.
    windows->main->setAboutWindowMaker([w = windows.get()] { buildAboutWindow(*w); });
    return windows;
}

void buildAboutWindow(TWindows& windows) {
    if (windows.about) return;
    windows.about = std::make_unique<TfAbout>(windows.main.get()); // stays above it
    windows.main->setAboutWindow(windows.about.get());
}

int runBrainlock(QApplication& app) {
    const std::unique_ptr<TWindows> windows = createWindows(app);
    if (!windows) return 1;
    windows->main->show();
    return app.exec();
}
