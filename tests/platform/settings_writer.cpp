// Writes the game's eight settings through the settings store, over and over, for the
// crash test to kill at any moment: write k sets each value in turn to k, so a file that
// holds whole writes reads as k for the first values and k - 1 for the rest.
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const char* names[] = {"Left", "Top", "Digit", "Duplicate", "Music", "Sound", "Logs", "Option"};
    auto store = platform::createSettingsStore();
    store->OpenKey(QStringLiteral("Software"), true);
    store->OpenKey(QStringLiteral("Norvane"), true);
    store->OpenKey(QStringLiteral("Brainlock"), true);
    for (const char* name : names)
        store->WriteInteger(QString::fromLatin1(name), 0);
    std::puts("ready");
    std::fflush(stdout);
    for (int k = 1;; ++k)
        for (const char* name : names)
            store->WriteInteger(QString::fromLatin1(name), k);
}
