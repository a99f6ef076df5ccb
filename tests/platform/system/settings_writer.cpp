// Writes the game's eight settings through the settings store, over and over, for the
// crash test to kill at any moment: save k sets every value to k in one update, as the game
// saves, so a file that holds whole saves reads k for all eight values.
#include "platform/system/SettingsStore.h"

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
    for (int k = 1;; ++k) {
        platform::TSettingsUpdate save(*store);
        for (const char* name : names)
            store->WriteInteger(QString::fromLatin1(name), k);
        save.Commit();
    }
}
