#pragma once
// The system DLLs that Windows doesn't protect by its KnownDLLs list, loaded on first use from the system
// folder. For such a DLL imported at load time, Windows looks in the program's own folder first, so a DLL
// of that name dropped beside a portable Vantrel.exe (in a Downloads folder, say) would run in it before
// the first window. Vantrel imports at load time only kernel32, user32, gdi32, ole32, oleaut32 and msvcrt,
// all known DLLs, whose own imports the loader takes from the system too; the common controls, the common
// dialogs, the spooler, the monitors' dpi and the shell (for dropped files, a known DLL too, but large and
// not needed before the window is shown) are called through here.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <winspool.h>

namespace base::win {

// How this process keeps DLL loads in the system folder. Windows 8 and later, and Windows 7 with update
// KB2533623, have SetDefaultDllDirectories: one call, and every later load by name, the system's own
// included, searches the system folder only. A Windows 7 without that update lacks the function (an exe
// importing it would not start there), so it is looked up at run time; without it, SetDllDirectoryW(L"")
// takes the current folder out of the search and SystemLibrary loads each DLL by its full path.
enum class DllSearch { kSystemFolderOnly, kFullPaths };

// Called first in WinMain, before anything loads a DLL. The argument is kernel32's SetDefaultDllDirectories
// as FindSetDefaultDllDirectories returns it: null (or a call that fails) gives kFullPaths.
DllSearch RestrictDllSearch(FARPROC setDefaultDllDirectories);
// kernel32's SetDefaultDllDirectories, or null where this Windows lacks it. kernel32 is mapped into every
// process, so this loads nothing.
FARPROC FindSetDefaultDllDirectories();

// Where a DLL comes from. The common controls come from the side-by-side assembly that the program's
// manifest names (version 6), which only a load by name reaches.
enum class DllSource { kSystemFolder, kManifest };

// A DLL of the system folder, loaded at its first lookup and kept until the process ends. Until
// RestrictDllSearch has answered kSystemFolderOnly, it loads by full path, which works on every Windows;
// a DLL of the manifest by name in both modes.
class SystemLibrary {
public:
    explicit constexpr SystemLibrary(const char* fileName, DllSource source = DllSource::kSystemFolder)
        : fileName_(fileName), source_(source) {}
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // An export of the DLL. Throws base::Exception when the DLL or the export is missing.
    FARPROC Export(const char* name);
    // An export of the DLL, or null when the DLL or the export is missing: for a help that is optional.
    FARPROC Find(const char* name);

private:
    const char* fileName_; // ASCII
    DllSource source_;
    HMODULE module_ = nullptr;
};

// An export of a system DLL that the program imports at load time, so mapped already, looked up in that
// mapping; null on a Windows too old to have it. For calls of newer Windows versions that the program
// uses where present and replaces with an older call elsewhere: importing them would keep the program
// from starting on the older versions.
FARPROC LoadedSystemExport(const char* moduleName, const char* name);

// An export as the function type it has. Through void(*)(), the one function pointer type that converts to
// any other without a warning.
template <typename Function> Function ExportAs(FARPROC export_) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(export_));
}

// One function of a SystemLibrary, called like the function it stands for. Function is the system's own
// declaration, decltype(&::PrintDlgA), so every call is checked against it.
template <typename Function> class SystemFunction {
public:
    constexpr SystemFunction(SystemLibrary& library, const char* name) : library_(library), name_(name) {}
    SystemFunction(const SystemFunction&) = delete;
    SystemFunction& operator=(const SystemFunction&) = delete;

    template <typename... Args> auto operator()(Args... args) const {
        if (!function_)
            function_ = ExportAs<Function>(library_.Export(name_));
        return function_(args...);
    }

private:
    SystemLibrary& library_;
    const char* name_;
    mutable Function function_ = nullptr;
};

#define VANTREL_SYSTEM_FUNCTION(library, name) inline const SystemFunction<decltype(&::name)> name{library, #name};

namespace comctl32 {
inline SystemLibrary library{"comctl32.dll", DllSource::kManifest};
VANTREL_SYSTEM_FUNCTION(library, InitCommonControlsEx)
VANTREL_SYSTEM_FUNCTION(library, ImageList_Create)
VANTREL_SYSTEM_FUNCTION(library, ImageList_AddMasked)
VANTREL_SYSTEM_FUNCTION(library, ImageList_Destroy)
VANTREL_SYSTEM_FUNCTION(library, ImageList_Draw)
VANTREL_SYSTEM_FUNCTION(library, ImageList_GetIconSize)
VANTREL_SYSTEM_FUNCTION(library, ImageList_GetImageCount)
} // namespace comctl32

namespace comdlg32 {
inline SystemLibrary library{"comdlg32.dll"};
VANTREL_SYSTEM_FUNCTION(library, GetOpenFileNameA)
VANTREL_SYSTEM_FUNCTION(library, GetSaveFileNameA)
VANTREL_SYSTEM_FUNCTION(library, PrintDlgA)
} // namespace comdlg32

// Windows 8.1 and later; on 7 and 8 Find answers null.
namespace shcore {
inline SystemLibrary library{"shcore.dll"};
} // namespace shcore

namespace winspool {
inline SystemLibrary library{"winspool.drv"};
VANTREL_SYSTEM_FUNCTION(library, EnumPrintersA)
VANTREL_SYSTEM_FUNCTION(library, OpenPrinterA)
VANTREL_SYSTEM_FUNCTION(library, DocumentPropertiesA)
VANTREL_SYSTEM_FUNCTION(library, ClosePrinter)
} // namespace winspool

namespace shell32 {
inline SystemLibrary library{"shell32.dll"};
VANTREL_SYSTEM_FUNCTION(library, DragAcceptFiles)
VANTREL_SYSTEM_FUNCTION(library, DragQueryFileW)
VANTREL_SYSTEM_FUNCTION(library, DragFinish)
} // namespace shell32

#undef VANTREL_SYSTEM_FUNCTION

} // namespace base::win
