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
    // error box and F1's help windows. Null until then.
    HWND MainWindow() const { return mainWindow_; }
    void SetMainWindow(HWND window, HACCEL shortcuts);
    // The main window is being destroyed.
    void ForgetMainWindow();

    // Runs the message loop until a quit request arrives. Keyboard navigation (Tab, arrows, access keys)
    // is given to every top-level window of ours that has WS_EX_CONTROLPARENT; the main window's
    // shortcuts work while it is the active window.
    void Run();
    // Asks the message loop to end once it reaches the request.
    void Terminate();

    // F1's topic, owned by the main window: the page of the compiled help file beside the program, or
    // with no page (empty) its default topic.
    void ShowHelpTopic(const std::string& page);
    // Starts the help viewer on the whole help file as a program of its own (Help > Contents).
    void StartHelpViewer() const;
    // Tells the help viewer it is no longer needed, if a help file is set: HH_CLOSE_ALL closes the help
    // windows F1 opened, if any.
    void HelpQuit();

private:
    bool TranslateShortcut(MSG& message) const;

    std::string title_;
    std::string helpFile_;
    HtmlHelpLibrary htmlHelp_;
    HWND mainWindow_ = nullptr;
    HACCEL shortcuts_ = nullptr;
    int iconId_ = 1;
};

extern TApplication Application;

} // namespace forms
