// main() of the widget tests: a QApplication on Qt's offscreen platform unless the caller
// chose another, set up as the game sets up its own, with settings in a scratch folder.
#include "platform/Application.h"
#include "support/ScratchConfig.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Test discovery runs this binary at build time without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const testing_support::ScratchConfig settings; // never the user's own settings
    platform::initApplication(app, QStringLiteral("Brainlock Game"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
