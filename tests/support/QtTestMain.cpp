// main() of the widget tests: a QApplication on Qt's offscreen platform unless the caller
// chose another, set up as the game sets up its own, with settings in a scratch folder and
// silent audio.
#include "platform/Application.h"
#include "support/ScratchConfig.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Test discovery runs this binary at build time without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The players open SDL's silent output, whatever sound the machine has.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    const testing_support::ScratchConfig settings; // never the user's own settings
    platform::initApplication(app, QStringLiteral("Brainlock Game"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
