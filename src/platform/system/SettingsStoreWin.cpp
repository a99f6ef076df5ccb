// The settings store as the Windows registry under HKEY_CURRENT_USER: each open nests one key
// deeper, values are REG_DWORD.
#include "platform/system/SettingsStore.h"

#include <windows.h>

namespace platform {

namespace {

class RegistrySettingsStore final : public TSettingsStore {
public:
    ~RegistrySettingsStore() override { closeCurrent(); }

    void OpenKey(const QString& key, bool canCreate) override {
        HKEY opened = nullptr;
        const auto name = reinterpret_cast<const wchar_t*>(key.utf16());
        const LONG result =
            canCreate ? RegCreateKeyExW(current_, name, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_READ | KEY_WRITE, nullptr, &opened, nullptr)
                      : RegOpenKeyExW(current_, name, 0, KEY_READ | KEY_WRITE, &opened);
        if (result != ERROR_SUCCESS) failCreateKey(key);
        closeCurrent();
        current_ = opened;
    }

    bool KeyExists(const QString& key) const override {
        HKEY probe = nullptr;
        const auto name = reinterpret_cast<const wchar_t*>(key.utf16());
        if (RegOpenKeyExW(current_, name, 0, KEY_READ, &probe) != ERROR_SUCCESS) return false;
        RegCloseKey(probe);
        return true;
    }

    bool ValueExists(const QString& name) const override {
        return RegQueryValueExW(current_, reinterpret_cast<const wchar_t*>(name.utf16()), nullptr,
                                nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }

    std::int32_t ReadInteger(const QString& name) const override {
        DWORD type = 0;
        DWORD data = 0;
        DWORD size = sizeof data;
        const LONG result =
            RegQueryValueExW(current_, reinterpret_cast<const wchar_t*>(name.utf16()), nullptr,
                             &type, reinterpret_cast<BYTE*>(&data), &size);
        if (result == ERROR_FILE_NOT_FOUND) failGetData(name);
        if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data) failDataType(name);
        return static_cast<std::int32_t>(data);
    }

    void WriteInteger(const QString& name, std::int32_t value) override {
        const DWORD data = static_cast<DWORD>(value);
        if (RegSetValueExW(current_, reinterpret_cast<const wchar_t*>(name.utf16()), 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&data), sizeof data) != ERROR_SUCCESS)
            failSetData(name);
    }

private:
    void closeCurrent() {
        if (current_ != HKEY_CURRENT_USER) RegCloseKey(current_);
    }

    HKEY current_ = HKEY_CURRENT_USER;
};

} // namespace

std::unique_ptr<TSettingsStore> createSettingsStore() {
    return std::make_unique<RegistrySettingsStore>();
}

} // namespace platform
