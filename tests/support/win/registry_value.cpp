#include "support/win/registry_value.h"

namespace support::win {

RegistryValueOverride::RegistryValueOverride(HKEY root, const std::wstring& key, const std::wstring& name, DWORD value)
    : RegistryValueOverride(root, key, name, REG_DWORD, &value, sizeof value) {}

RegistryValueOverride::RegistryValueOverride(HKEY root, const std::wstring& key, const std::wstring& name,
                                             const std::wstring& value)
    : RegistryValueOverride(root, key, name, REG_SZ, value.c_str(),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) {}

RegistryValueOverride::RegistryValueOverride(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type,
                                             const void* bytes, DWORD size)
    : name_(name) {
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr) !=
        ERROR_SUCCESS) {
        key_ = nullptr;
        return;
    }
    Save();
    RegSetValueExW(key_, name_.c_str(), 0, type, static_cast<const BYTE*>(bytes), size);
}

void RegistryValueOverride::Save() {
    DWORD size = 0;
    if (RegQueryValueExW(key_, name_.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return;
    previous_.resize(size);
    hadValue_ =
        RegQueryValueExW(key_, name_.c_str(), nullptr, &previousType_, previous_.data(), &size) == ERROR_SUCCESS;
    previous_.resize(size);
}

RegistryValueOverride::~RegistryValueOverride() {
    if (!key_)
        return;
    if (hadValue_)
        RegSetValueExW(key_, name_.c_str(), 0, previousType_, previous_.data(), static_cast<DWORD>(previous_.size()));
    else
        RegDeleteValueW(key_, name_.c_str());
    RegCloseKey(key_);
}

} // namespace support::win
