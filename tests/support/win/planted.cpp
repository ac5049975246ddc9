#include "support/win/planted.h"

#include "win_util.h"

#include <windows.h>

namespace support::win {

namespace {

// Wine names a module without ".dll", and any other extension in full.
std::wstring WineModuleName(std::wstring name) {
    if (name.size() > 4 && name.compare(name.size() - 4, 4, L".dll") == 0)
        name.resize(name.size() - 4);
    return name;
}

} // namespace

PlantedFolder::PlantedFolder(const std::wstring& program, const std::wstring& exeName, const std::wstring& planted,
                             std::vector<std::wstring> names)
    : exeName_(exeName), names_(std::move(names)) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"vantrel-planted-" + exeName + L"-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    ready_ = CopyFileW(program.c_str(), Exe().c_str(), FALSE) && Plant(planted);
}

// A WINEDLLOVERRIDES set here would not reach the copy: Wine starts a child with the environment this test
// program was started with. The per-program key does.
bool PlantedFolder::Plant(const std::wstring& planted) {
    HKEY loadOrder = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, LoadOrderKey().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &loadOrder,
                        nullptr) != ERROR_SUCCESS)
        return false;
    bool planting = true;
    for (const std::wstring& name : names_) {
        constexpr wchar_t kNativeFirst[] = L"native,builtin";
        planting = planting && CopyFileW(planted.c_str(), InFolder(name).c_str(), FALSE) &&
                   RegSetValueExW(loadOrder, WineModuleName(name).c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(kNativeFirst), sizeof kNativeFirst) == ERROR_SUCCESS;
    }
    RegCloseKey(loadOrder);
    return planting;
}

PlantedFolder::~PlantedFolder() {
    RegDeleteKeyW(HKEY_CURRENT_USER, LoadOrderKey().c_str());
    for (const std::wstring& name : names_) {
        DeleteFileW(InFolder(name).c_str());
        DeleteFileW(InFolder(name + L".ran").c_str());
    }
    DeleteFileW(Exe().c_str());
    RemoveDirectoryW(folder_.c_str());
}

bool PlantedFolder::Ran(const std::wstring& name) const {
    return GetFileAttributesW(InFolder(name + L".ran").c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring PlantedFolder::LoadOrderKey() const {
    return L"Software\\Wine\\AppDefaults\\" + exeName_ + L"\\DllOverrides";
}

std::wstring TestProgramFolder() {
    std::wstring folder = standin::win::ExeDirectory();
    folder.pop_back(); // the trailing backslash
    return folder;
}

} // namespace support::win
