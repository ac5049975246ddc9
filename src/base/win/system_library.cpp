#include "base/win/system_library.h"

#include <string>

#include "base/exception.h"
#include "base/win/text.h"

namespace base::win {
namespace {

DllSearch g_dllSearch = DllSearch::kFullPaths;

// The DLL at "<system folder>\<file name>"; its own dependencies are then looked for in that folder
// first (LOAD_WITH_ALTERED_SEARCH_PATH), not in the program's. The search flags can't be used here: on a
// Windows without SetDefaultDllDirectories, LoadLibraryExW refuses them as an invalid parameter.
HMODULE LoadByFullPath(const std::wstring& fileName) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + fileName;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace

DllSearch RestrictDllSearch(FARPROC setDefaultDllDirectories) {
    using Function = BOOL(WINAPI*)(DWORD);
    const auto setDirectories = ExportAs<Function>(setDefaultDllDirectories);
    if (setDirectories && setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        g_dllSearch = DllSearch::kSystemFolderOnly;
    } else {
        SetDllDirectoryW(L"");
        g_dllSearch = DllSearch::kFullPaths;
    }
    return g_dllSearch;
}

FARPROC FindSetDefaultDllDirectories() {
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    return kernel32 ? GetProcAddress(kernel32, "SetDefaultDllDirectories") : nullptr;
}

FARPROC SystemLibrary::Find(const char* name) {
    if (!module_) {
        const std::wstring wideName = Widen(fileName_);
        // From the system folder only, never from the program's folder, the current folder or PATH.
        module_ = g_dllSearch == DllSearch::kSystemFolderOnly
                      ? LoadLibraryExW(wideName.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)
                      : LoadByFullPath(wideName);
        if (!module_)
            return nullptr;
    }
    return GetProcAddress(module_, name);
}

FARPROC SystemLibrary::Export(const char* name) {
    if (const FARPROC function = Find(name))
        return function;
    if (!module_)
        throw Exception(std::string("Cannot load the system library ") + fileName_);
    throw Exception(std::string("Cannot find ") + name + " in " + fileName_);
}

FARPROC LoadedSystemExport(const char* moduleName, const char* name) {
    const HMODULE module = GetModuleHandleA(moduleName);
    return module ? GetProcAddress(module, name) : nullptr;
}

} // namespace base::win
