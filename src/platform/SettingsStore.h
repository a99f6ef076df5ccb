// The per-user settings store, with the semantics of a registry key: from a root, each open
// nests one level deeper (creating the level when asked); values are 32-bit integers, and
// booleans are stored as 0 or 1 (any non-zero number reads as true). Writes reach the store
// at once. Every failure is an ESettingsError with one of four texts:
//   "Failed to create key <level>", "Failed to set data for '<value>'",
//   "Failed to get data for '<value>'" (no such value),
//   "Invalid data type for '<value>'" (not a 32-bit integer).
// On Windows the store is the registry under HKEY_CURRENT_USER; elsewhere an INI file
// through QSettings, its levels mapped onto the XDG config folder: "Software" is the folder,
// "Norvane" a folder in it, "Brainlock" the file Brainlock.conf, values in [General].
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <stdexcept>

namespace platform {

class ESettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSettingsStore {
public:
    virtual ~TSettingsStore() = default;

    // Opens a level below the current one and makes it current.
    virtual void OpenKey(const QString& key, bool canCreate) = 0;
    virtual bool KeyExists(const QString& key) const = 0;
    virtual bool ValueExists(const QString& name) const = 0;
    virtual std::int32_t ReadInteger(const QString& name) const = 0;
    virtual void WriteInteger(const QString& name, std::int32_t value) = 0;

    bool ReadBool(const QString& name) const { return ReadInteger(name) != 0; }
    void WriteBool(const QString& name, bool value) { WriteInteger(name, value ? 1 : 0); }
};

// The store of this platform, at the current user's root.
std::unique_ptr<TSettingsStore> createSettingsStore();

// The four failures.
[[noreturn]] void failCreateKey(const QString& key);
[[noreturn]] void failSetData(const QString& name);
[[noreturn]] void failGetData(const QString& name);
[[noreturn]] void failDataType(const QString& name);

// A value's text as a decimal 32-bit integer (an optional minus sign and digits), if it is one.
bool parseStoredInteger(const QString& text, std::int32_t& value);

} // namespace platform
