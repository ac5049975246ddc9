#include "forms/win/help_viewers.h"

namespace forms {

namespace {

// From the HTML Help API, which the program doesn't link against.
constexpr UINT kHhDisplayTopic = 0x0000;
constexpr UINT kHhHelpContext = 0x000F;
constexpr UINT kHhCloseAll = 0x0012;

constexpr char kHtmlHelpViewerFile[] = "hh.exe";
constexpr char kWinHelpViewerFile[] = "winhlp32.exe";

using FolderQuery = UINT(WINAPI*)(LPSTR folder, UINT room);

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

std::string ProgramPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// A file in one of the system's folders; empty when the folder can't be read.
std::string InSystemFolder(FolderQuery folderOf, const char* file) {
    char folder[MAX_PATH];
    const UINT length = folderOf(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::string path(folder, length);
    if (path.back() != '\\')
        path += '\\';
    return path + file;
}

bool Exists(const std::string& path) {
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Windows keeps winhlp32.exe in the Windows folder, Wine in the system folder.
std::string WinHelpViewerPath() {
    for (FolderQuery folderOf : {FolderQuery(&GetSystemWindowsDirectoryA), FolderQuery(&GetSystemDirectoryA)}) {
        const std::string path = InSystemFolder(folderOf, kWinHelpViewerFile);
        if (Exists(path))
            return path;
    }
    return {};
}

} // namespace

PlatformVersion RunningWindowsVersion() {
    // ntdll is in every process from its start; nothing is loaded here.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto rtlGetVersion =
        ntdll ? ExportAs<RtlGetVersionFunction>(GetProcAddress(ntdll, "RtlGetVersion")) : nullptr;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!rtlGetVersion || rtlGetVersion(&info) != 0)
        return kFirstVersionWithoutWinHelp; // can't happen from Windows 2000 on: assume today's Windows
    return {info.dwMajorVersion, info.dwMinorVersion};
}

std::string CompiledHelpPath(const std::string& helpFile) {
    return BesideProgram(ProgramPath(), CompiledHelpFileName(helpFile));
}

void StartWinHelpViewer(const std::string& helpFile) {
    const std::string viewer = WinHelpViewerPath();
    if (viewer.empty())
        return;
    const std::string commandLine = "\"" + viewer + "\" " + helpFile;
    WinExec(commandLine.c_str(), SW_SHOWNORMAL);
}

void StartHtmlHelpViewer(const std::string& compiledHelpPath) {
    const std::string viewer = InSystemFolder(&GetSystemWindowsDirectoryA, kHtmlHelpViewerFile);
    if (viewer.empty())
        return;
    std::string commandLine = "\"" + viewer + "\" \"" + compiledHelpPath + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (CreateProcessA(viewer.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &started)) {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
}

HtmlHelpLibrary::HtmlHelpFunction HtmlHelpLibrary::Load() {
    if (!loadTried_) {
        loadTried_ = true;
        // Stays loaded until the process ends: the help windows it opens live in it.
        htmlHelp_ = ExportAs<HtmlHelpFunction>(hhctrl_.Find("HtmlHelpA"));
    }
    return htmlHelp_;
}

void HtmlHelpLibrary::ShowContext(HWND owner, const std::string& compiledHelpPath, int context) {
    const HtmlHelpFunction htmlHelp = Load();
    if (!htmlHelp)
        return;
    // Context 0 is the help as a whole: a context map can't hold 0, so it is shown as the default topic.
    if (context == 0)
        htmlHelp(owner, compiledHelpPath.c_str(), kHhDisplayTopic, 0);
    else
        htmlHelp(owner, compiledHelpPath.c_str(), kHhHelpContext, static_cast<DWORD_PTR>(context));
}

void HtmlHelpLibrary::CloseAll() {
    if (htmlHelp_)
        htmlHelp_(nullptr, nullptr, kHhCloseAll, 0);
}

} // namespace forms
