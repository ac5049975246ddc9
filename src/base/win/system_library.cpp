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

// Whether the process's activation context, which Windows builds from the manifest embedded in the
// program, redirects the name to a side-by-side assembly.
bool RedirectedByManifest(const std::wstring& fileName) {
    ACTCTX_SECTION_KEYED_DATA found{};
    found.cbSize = sizeof found;
    return FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, fileName.c_str(), &found) !=
           FALSE;
}

// A DLL the manifest names is loaded by name in either search mode. The loader redirects only a name
// through the activation context; a full path is taken as it stands, and the system folder's comctl32
// is version 5: on a Windows 7 without KB2533623 the program's image lists would be version 5's, while
// the controls user32 makes for it come from version 6, the manifest's, two versions in one process.
// By name, no planted copy can be picked up: the loader looks the name up in the activation context
// before it searches any folder; the context comes from the manifest inside Vantrel.exe (which Windows
// prefers to a Vantrel.exe.manifest beside it), and names Microsoft's shared, signed assembly, which
// every Windows since XP has in its own store (WinSxS), where Windows looks before it would probe the
// program's folder; and a program with a manifest ignores redirection by a Vantrel.exe.local folder.
// Where the name isn't redirected (a program built without the manifest), it comes from the system
// folder like any other.
HMODULE LoadFromSystem(const std::wstring& fileName, DllSource source) {
    if (source == DllSource::kManifest && RedirectedByManifest(fileName))
        return LoadLibraryExW(fileName.c_str(), nullptr, 0);
    // From the system folder only, never from the program's folder, the current folder or PATH.
    return g_dllSearch == DllSearch::kSystemFolderOnly
               ? LoadLibraryExW(fileName.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)
               : LoadByFullPath(fileName);
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
        module_ = LoadFromSystem(Widen(fileName_), source_);
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
