// The per-user settings store, with the semantics of a registry key: from a root, each open
// nests one level deeper (creating the level when asked); values are 32-bit integers, and
// booleans are stored as 0 or 1 (any non-zero number reads as true). Writes reach the store
// at once, or, inside a TSettingsUpdate, all together when it commits. Every failure is an
// ESettingsError with one of four texts:
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

    // Writes between these two reach the store together: a crash leaves all of them or none.
    // EndUpdate reports a failure for the first value written. Used through TSettingsUpdate.
    // The registry has no such grouping; its writes stay one by one.
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}
    virtual void CancelUpdate() noexcept {}
};

// Groups the writes made in its lifetime; Commit() lets them reach the store. Leaving the
// scope without Commit() (a write threw) ends the group without writing it.
class TSettingsUpdate {
public:
    explicit TSettingsUpdate(TSettingsStore& store)
        : store_(store) {
        store_.BeginUpdate();
    }
    ~TSettingsUpdate() {
        if (!committed_) store_.CancelUpdate();
    }
    TSettingsUpdate(const TSettingsUpdate&) = delete;
    TSettingsUpdate& operator=(const TSettingsUpdate&) = delete;

    void Commit() {
        committed_ = true;
        store_.EndUpdate();
    }

private:
    TSettingsStore& store_;
    bool committed_ = false;
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
