// Fuzzes the settings store's reader: arbitrary bytes as the settings file, then the game's
// reads and one save. Every outcome must be values or one of the store's four messages.
#include "platform/system/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

const char* const kNames[] = {"Left",  "Top",   "Digit", "Duplicate",
                              "Music", "Sound", "Logs",  "Option"};

bool isStoreMessage(const char* text) {
    for (const char* start : {"Failed to create key ", "Failed to set data for '",
                              "Failed to get data for '", "Invalid data type for '"})
        if (std::strncmp(text, start, std::strlen(start)) == 0) return true;
    return false;
}

template <class Operation> void expectValueOrStoreMessage(Operation&& operation) {
    try {
        operation();
    } catch (const platform::ESettingsError& e) {
        check(isStoreMessage(e.what()));
    }
}

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    check(scratch().isValid());
    qputenv("XDG_CONFIG_HOME", scratch().path().toLocal8Bit());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QString folder = scratch().path() + QStringLiteral("/Norvane");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    {
        QFile file(folder + QStringLiteral("/Brainlock.conf"));
        check(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes), static_cast<qint64>(size));
    }
    auto store = platform::createSettingsStore();
    store->OpenKey(QStringLiteral("Software"), false);
    store->OpenKey(QStringLiteral("Norvane"), false);
    store->OpenKey(QStringLiteral("Brainlock"), false);
    for (const char* name : kNames) {
        const QString value = QString::fromLatin1(name);
        expectValueOrStoreMessage([&] {
            if (store->ValueExists(value)) store->ReadInteger(value);
        });
    }
    // A save over whatever was there reads back.
    platform::TSettingsUpdate save(*store);
    for (int i = 0; i < 8; ++i)
        store->WriteInteger(QString::fromLatin1(kNames[i]), i - 3);
    save.Commit();
    for (int i = 0; i < 8; ++i)
        check(store->ReadInteger(QString::fromLatin1(kNames[i])) == i - 3);
    return 0;
}
