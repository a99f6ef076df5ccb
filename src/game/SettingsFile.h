// The game's settings in the settings store: the store opened at the game's key, the values of
// the settings table read and written in their order, a save made as one update.
#pragma once

#include "game/Settings.h"

#include <memory>

namespace platform {
class TSettingsStore;
}

namespace game {

class SettingsFile {
public:
    SettingsFile();
    ~SettingsFile();

    // Opens the store at Software\Norvane\Brainlock, making the levels that are missing;
    // throws as the store does. Open once every level is.
    void open();
    bool isOpen() const { return open_; }
    bool hasSettings() const; // a first run finds none
    // Reads the values in order; a failure throws and leaves the fields after it as they were.
    void read(TSettings& into) const;
    // Writes every value as one update: a crash during it leaves the whole previous save.
    void write(const TSettings& values);

private:
    std::unique_ptr<platform::TSettingsStore> store_;
    bool open_ = false;
};

} // namespace game
