#include "forms/win/help_viewer.h"

#include "base/win/text.h"

namespace forms::win {

namespace {

// From the HTML Help API, which the program doesn't link against.
constexpr UINT kHhDisplayTopic = 0x0000;
constexpr UINT kHhCloseAll = 0x0012;

constexpr wchar_t kHtmlHelpViewerFile[] = L"hh.exe";

// The program's own path, however long and in whatever script its folder is named; empty on failure.
std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// hh.exe in the Windows folder; empty when the folder can't be read.
std::wstring HtmlHelpViewerPath() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::wstring path(folder, length);
    if (path.back() != L'\\')
        path += L'\\';
    return path + kHtmlHelpViewerFile;
}

// The compiled help file that goes with the help file setting, in the program's folder.
std::wstring CompiledHelpPath(const std::string& helpFile) {
    return BesideProgram(ProgramPath(), base::win::Widen(CompiledHelpFileName(helpFile)));
}

} // namespace

void HelpViewer::StartContents() const {
    const std::wstring compiledHelpPath = CompiledHelpPath(helpFile_);
    const std::wstring viewer = HtmlHelpViewerPath();
    if (viewer.empty())
        return;
    std::wstring commandLine = L"\"" + viewer + L"\" \"" + compiledHelpPath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (CreateProcessW(viewer.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &started)) {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
}

HelpViewer::HtmlHelpFunction HelpViewer::Load() {
    if (!loadTried_) {
        loadTried_ = true;
        // Stays loaded until the process ends: the help windows it opens live in it.
        htmlHelp_ = base::win::ExportAs<HtmlHelpFunction>(hhctrl_.Find("HtmlHelpW"));
    }
    return htmlHelp_;
}

void HelpViewer::ShowTopic(HWND owner, const std::string& page) {
    const std::wstring compiledHelpPath = CompiledHelpPath(helpFile_);
    const HtmlHelpFunction htmlHelp = Load();
    if (!htmlHelp)
        return;
    // The page by its name rather than a context number: a compiled file then needs no context map,
    // whose names each help compiler writes in its own form.
    const std::wstring address = HelpPageAddress(compiledHelpPath, base::win::Widen(page));
    htmlHelp(owner, address.c_str(), kHhDisplayTopic, 0);
}

void HelpViewer::CloseAll() {
    if (htmlHelp_)
        htmlHelp_(nullptr, nullptr, kHhCloseAll, 0);
}

} // namespace forms::win
