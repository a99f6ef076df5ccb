// Brainlock Game: crack a secret number of four to six digits from the counts of correct
// digits and correct places each guess earns.
#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return runBrainlock(app);
}
