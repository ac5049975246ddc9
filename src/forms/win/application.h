#pragma once
// The application object: the process-wide title and help file, the main window, the message loop and
// the help viewer. One instance, Application, lives for the whole process.
#include <windows.h>

#include <string>

#include "forms/win/help_viewers.h"

namespace forms {

class TApplication {
public:
    // The title captions the main window, the About box and the error box.
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    // The icon resource of the program: the forms' title bars and the About box show it.
    int IconId() const { return iconId_; }
    void SetIconId(int iconId) { iconId_ = iconId; }
    // A bare file name; F1 help, Help > Contents and the help viewer's shutdown use it.
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& helpFile) { helpFile_ = helpFile; }

    // The first form built whole becomes the main window: closing it ends the program, and it owns the
    // error box and the help viewer's session. Null until then.
    HWND MainWindow() const { return mainWindow_; }
    void SetMainWindow(HWND window, HACCEL shortcuts);
    // The main window is being destroyed; the help viewer's session stays named after it.
    void ForgetMainWindow();

    // Runs the message loop until a quit request arrives. Keyboard navigation (Tab, arrows, access keys)
    // is given to every top-level window of ours that has WS_EX_CONTROLPARENT; the main window's
    // shortcuts work while it is the active window.
    void Run();
    // Asks the message loop to end once it reaches the request.
    void Terminate();

    // The topic of a context number, owned by the main window: WinHelp with HELP_CONTEXT on the help file
    // where Windows has WinHelp, else HTML Help's HH_HELP_CONTEXT on the compiled help file beside the
    // program.
    void HelpContext(int context);
    // Starts the help viewer on the whole help file as a program of its own (Help > Contents).
    void StartHelpViewer() const;
    // Tells the help viewer it is no longer needed, if a help file is set: WinHelp HELP_QUIT, or HTML
    // Help's HH_CLOSE_ALL if a topic was shown. WinHelp keeps its clients by the owner handle of their
    // requests, so this names the same main window handle that F1 used, even after that window is gone.
    void HelpQuit();

private:
    bool TranslateShortcut(MSG& message) const;
    bool UsesWinHelp() const { return helpViewer_ == HelpViewer::WinHelp; }

    std::string title_;
    std::string helpFile_;
    // Read once: the Windows version doesn't change while the program runs.
    const HelpViewer helpViewer_ = HelpViewerFor(RunningWindowsVersion());
    HtmlHelpLibrary htmlHelp_;
    HWND mainWindow_ = nullptr;
    HWND helpOwner_ = nullptr;
    HACCEL shortcuts_ = nullptr;
    int iconId_ = 1;
};

extern TApplication Application;

} // namespace forms
