// The registry back end of the settings store, where it runs: on Windows (or under Wine).
#include "platform/system/SettingsStore.h"
#include "support/ScratchConfig.h"
#include "support/StoreTesting.h"

#include <gtest/gtest.h>
#include <windows.h>

using testing_support::failureOf;
using testing_support::openGameKey;
using testing_support::ScratchConfig;

namespace {

const wchar_t* const kGameKey = L"Software\\Norvane\\Brainlock";

// What the registry itself holds for a value: its type and its 32 bits.
std::pair<DWORD, DWORD> rawValue(const wchar_t* name) {
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    RegGetValueW(HKEY_CURRENT_USER, kGameKey, name, RRF_RT_ANY, &type, &data, &size);
    return {type, data};
}

} // namespace

// Each level is a registry key, each value a REG_DWORD that any program reads back as written.
TEST(RegistryStore, LevelsAreKeysAndValuesAreDwords) {
    ScratchConfig config;
    auto store = platform::createSettingsStore();
    store->OpenKey(QStringLiteral("Software"), true);
    EXPECT_FALSE(store->KeyExists(QStringLiteral("Norvane")));
    store->OpenKey(QStringLiteral("Norvane"), true);
    store->OpenKey(QStringLiteral("Brainlock"), true);
    EXPECT_FALSE(store->ValueExists(QStringLiteral("Left")));
    store->WriteInteger(QStringLiteral("Left"), -7);
    store->WriteBool(QStringLiteral("Music"), true);
    EXPECT_EQ(rawValue(L"Left"), std::make_pair(DWORD{REG_DWORD}, DWORD{0xFFFFFFF9}));
    EXPECT_EQ(rawValue(L"Music"), std::make_pair(DWORD{REG_DWORD}, DWORD{1}));
    auto again = openGameKey();
    EXPECT_EQ(again->ReadInteger(QStringLiteral("Left")), -7);
    EXPECT_TRUE(again->ReadBool(QStringLiteral("Music")));
}

// A value that is missing or of another type is named in the error; the others still read.
TEST(RegistryStore, MissingOrForeignValuesAreNamed) {
    ScratchConfig config;
    auto store = openGameKey();
    store->WriteInteger(QStringLiteral("Top"), 132);
    const wchar_t text[] = L"five";
    RegSetKeyValueW(HKEY_CURRENT_USER, kGameKey, L"Digit", REG_SZ, text, sizeof text);
    EXPECT_EQ(failureOf([&] { store->ReadInteger(QStringLiteral("Digit")); }),
              "Invalid data type for 'Digit'");
    EXPECT_EQ(failureOf([&] { store->ReadInteger(QStringLiteral("Sound")); }),
              "Failed to get data for 'Sound'");
    EXPECT_EQ(store->ReadInteger(QStringLiteral("Top")), 132);
    auto reader = platform::createSettingsStore();
    reader->OpenKey(QStringLiteral("Software"), false);
    EXPECT_EQ(failureOf([&] { reader->OpenKey(QStringLiteral("Elsewhere"), false); }),
              "Failed to create key Elsewhere");
}
