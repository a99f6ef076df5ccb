// What the settings store's tests share, whichever back end they meet: the game's key opened
// level by level, and the message an operation fails with.
#pragma once

#include "platform/system/SettingsStore.h"

#include <memory>
#include <string>

namespace testing_support {

inline std::unique_ptr<platform::TSettingsStore> openGameKey() {
    auto store = platform::createSettingsStore();
    store->OpenKey(QStringLiteral("Software"), true);
    store->OpenKey(QStringLiteral("Norvane"), true);
    store->OpenKey(QStringLiteral("Brainlock"), true);
    return store;
}

// The message a store operation fails with, or "" when it succeeds.
template <class Operation> std::string failureOf(Operation&& operation) {
    try {
        operation();
    } catch (const platform::ESettingsError& e) {
        return e.what();
    }
    return {};
}

} // namespace testing_support
