// Loads one system DLL and prints the path it was loaded from, on the first line the search that was set
// up. "fallback": as Vantrel does on a Windows without SetDefaultDllDirectories; "restricted": as it does
// where that function exists; "plain": LoadLibraryA by name, as a program that takes no care would.
// Usage: vantrel_dll_search_probe fallback|restricted|plain <file name>
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "base/win/system_library.h"

namespace {

using base::win::DllSearch;
using base::win::FindSetDefaultDllDirectories;
using base::win::RestrictDllSearch;
using base::win::SystemLibrary;

HMODULE LoadTheVantrelWay(bool withSetDefaultDllDirectories, const char* fileName) {
    const DllSearch search = RestrictDllSearch(withSetDefaultDllDirectories ? FindSetDefaultDllDirectories() : nullptr);
    std::printf("%s\n", search == DllSearch::kSystemFolderOnly ? "system folder only" : "full paths");
    // The common controls through the program's own object, which says where they come from.
    SystemLibrary named(fileName);
    SystemLibrary& library = std::strcmp(fileName, "comctl32.dll") == 0 ? base::win::comctl32::library : named;
    library.Find("DllGetVersion"); // the load is what counts, not whether the DLL has this export
    return GetModuleHandleA(fileName);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const char* mode = argv[1];
    const char* fileName = argv[2];
    HMODULE module = nullptr;
    if (std::strcmp(mode, "plain") == 0) {
        std::printf("plain\n");
        module = LoadLibraryA(fileName);
    } else {
        module = LoadTheVantrelWay(std::strcmp(mode, "restricted") == 0, fileName);
    }
    char path[MAX_PATH] = {};
    if (!module || GetModuleFileNameA(module, path, MAX_PATH) == 0)
        return 1;
    std::printf("%s\n", path);
    return 0;
}
