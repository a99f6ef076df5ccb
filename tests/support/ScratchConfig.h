// Points XDG_CONFIG_HOME at a fresh folder for as long as it lives, so a test's settings
// never meet another test's or the user's. On Windows, where the settings are the registry's,
// HKEY_CURRENT_USER is mapped for this process onto a fresh key of the tests' own
// (HKEY_CURRENT_USER\Software\Brainlock tests\<process id>), removed again at the end: the
// game's store and the tests' own registry calls never reach the player's settings.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>
#ifdef _WIN32
#include <string>
#include <windows.h>
#endif

namespace testing_support {

class ScratchConfig {
public:
    ScratchConfig()
        : previous_(qgetenv("XDG_CONFIG_HOME"))
        , hadPrevious_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
        useScratchRegistry();
    }
    ~ScratchConfig() {
        leaveScratchRegistry();
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
#ifdef _WIN32
    static std::wstring scratchKey() {
        return L"Software\\Brainlock tests\\" + std::to_wstring(GetCurrentProcessId());
    }
    // The real HKEY_CURRENT_USER is back before the scratch key is made anew under it.
    static void useScratchRegistry() {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegDeleteTreeW(HKEY_CURRENT_USER, scratchKey().c_str());
        HKEY scratch = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, scratchKey().c_str(), 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &scratch,
                            nullptr) != ERROR_SUCCESS ||
            RegOverridePredefKey(HKEY_CURRENT_USER, scratch) != ERROR_SUCCESS)
            qFatal("the tests cannot map HKEY_CURRENT_USER onto a key of their own");
        RegCloseKey(scratch);
    }
    static void leaveScratchRegistry() {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegDeleteTreeW(HKEY_CURRENT_USER, scratchKey().c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Brainlock tests"); // only when empty
    }
#else
    static void useScratchRegistry() {}
    static void leaveScratchRegistry() {}
#endif

    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_;
};

} // namespace testing_support
