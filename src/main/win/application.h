#pragma once
// The application object: the process-wide title and help file, the main window, the message loop and
// the help viewer. One instance, Application, lives for the whole process.
#include <windows.h>

#include <string>

class TApplication {
public:
    // The title captions the main window, the About box and the error box.
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
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

    // WinHelp with HELP_CONTEXT on the help file, owned by the main window.
    void HelpContext(int context);
    // Tells the help viewer it is no longer needed (WinHelp HELP_QUIT), if a help file is set. The viewer
    // keeps its clients by the owner handle of their requests, so this names the same main window handle
    // that F1 used, even after that window is gone.
    void HelpQuit();

private:
    bool TranslateShortcut(MSG& message) const;

    std::string title_;
    std::string helpFile_;
    HWND mainWindow_ = nullptr;
    HWND helpOwner_ = nullptr;
    HACCEL shortcuts_ = nullptr;
};

extern TApplication Application;
