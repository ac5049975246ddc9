#pragma once
// A registry value that a test sets for the programs it starts, and puts back afterwards.
#include <windows.h>

#include <string>
#include <vector>

namespace support::win {

// Sets the value (an empty name: the key's default value), making the key where it is missing, while it
// lives; then gives the value back its previous type and bytes, or deletes it when it was not there.
class RegistryValueOverride {
public:
    RegistryValueOverride(HKEY root, const std::wstring& key, const std::wstring& name, DWORD value);
    RegistryValueOverride(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& value);
    ~RegistryValueOverride();
    RegistryValueOverride(const RegistryValueOverride&) = delete;
    RegistryValueOverride& operator=(const RegistryValueOverride&) = delete;

    // Whether the value was there before.
    bool HadValue() const { return hadValue_; }

private:
    RegistryValueOverride(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type, const void* bytes,
                          DWORD size);
    void Save();

    HKEY key_ = nullptr;
    std::wstring name_;
    bool hadValue_ = false;
    DWORD previousType_ = REG_NONE;
    std::vector<BYTE> previous_;
};

} // namespace support::win
