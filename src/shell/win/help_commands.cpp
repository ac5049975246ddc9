// Help > Contents and Help > About.
#include <string>

#include "forms/win/application.h"
#include "shell/win/main_window.h"

namespace shell::win {

using forms::Application;

namespace {

constexpr char kHelpViewerFile[] = "winhlp32.exe";

using FolderQuery = UINT(WINAPI*)(LPSTR folder, UINT room);

// The help viewer in the system's own folders: the Windows folder, where Windows keeps it, else the
// system folder, where Wine keeps it. The viewer is never searched for: "winhlp32" alone would be
// looked for in the program's folder and the current folder first, and the file dialogs move the
// current folder to wherever the user browsed, so a winhlp32.exe placed there would be run.
std::string HelpViewerPath() {
    for (FolderQuery folderOf : {FolderQuery(&GetSystemWindowsDirectoryA), FolderQuery(&GetSystemDirectoryA)}) {
        char folder[MAX_PATH];
        const UINT length = folderOf(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            continue;
        std::string path(folder, length);
        if (path.back() != '\\')
            path += '\\';
        path += kHelpViewerFile;
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return path;
    }
    return {};
}

} // namespace

// Starts a further viewer on the help file at each use, as a program of its own: not waited for, its
// result ignored, and with no viewer to be found nothing is started and nothing is reported.
void TfrmVantrel::mnuContentsClick(const forms::Sender&) {
    const std::string viewer = HelpViewerPath();
    if (viewer.empty())
        return;
    const std::string commandLine = "\"" + viewer + "\" " + Application.HelpFile();
    WinExec(commandLine.c_str(), SW_SHOWNORMAL);
}

// The About box is not the main window's own: the program's entry hands over how to show it.
void TfrmVantrel::mnuAboutClick(const forms::Sender&) {
    if (showAboutBox)
        showAboutBox();
}

} // namespace shell::win
