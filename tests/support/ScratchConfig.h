// Points XDG_CONFIG_HOME at a fresh folder for as long as it lives, so a test's settings
// never meet another test's or the user's. On Windows, where the settings are the registry's,
// the game's key is removed as it starts and as it ends (the tests run in a Wine prefix or
// account of their own).
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>
#ifdef _WIN32
#include <windows.h>
#endif

namespace testing_support {

class ScratchConfig {
public:
    ScratchConfig()
        : previous_(qgetenv("XDG_CONFIG_HOME"))
        , hadPrevious_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
        removeRegistryKey();
    }
    ~ScratchConfig() {
        removeRegistryKey();
        if (hadPrevious_)
            qputenv("XDG_CONFIG_HOME", previous_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    ScratchConfig(const ScratchConfig&) = delete;
    ScratchConfig& operator=(const ScratchConfig&) = delete;

    QString path() const { return dir_.path(); }
    QString vendorFolder() const { return path() + QStringLiteral("/Norvane"); }
    QString file() const { return vendorFolder() + QStringLiteral("/Brainlock.conf"); }

private:
    static void removeRegistryKey() {
#ifdef _WIN32
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Norvane");
#endif
    }

    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_;
};

} // namespace testing_support
