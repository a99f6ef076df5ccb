// Brainlock Game: crack a secret number of four to six digits from the counts of correct
// digits and correct places each guess earns.
#include "Startup.h"
#include "platform/window/WindowSystem.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    startWorkAheadOfTheWindow(); // while the application object is made
    std::vector<char*> arguments = platform::argumentsWithWindowSystem(argc, argv);
    int count = static_cast<int>(arguments.size()) - 1;
    QApplication app(count, arguments.data());
    return runBrainlock(app);
}
