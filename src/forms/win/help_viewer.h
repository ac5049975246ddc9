#pragma once
// The system's HTML Help: hhctrl.ocx for the topics F1 shows and for closing its windows at the end,
// hh.exe for the whole help file. Both are taken from the system's own folders by full path, never
// searched for: a bare name would be looked for in the program's folder and the current folder first
// (hhctrl.ocx is not one of the DLLs Windows always maps from the system folder), and the file dialogs move
// the current folder to wherever the user browsed, so a file of that name placed there would be run.
// Every path goes through the UTF-16 forms of the calls, so a program folder whose name the ANSI code page
// can't spell (a user name in another script) still reaches the viewer whole.
#include <windows.h>

#include <string>
#include <utility>

#include "base/win/system_library.h"
#include "forms/help_file.h"

namespace forms::win {

// The program's help: F1's topics through hhctrl.ocx, the whole file in hh.exe, and the end-of-run close.
// One for the run, made by the program's entry and handed to the windows that offer help.
class HelpViewer {
public:
    // helpFile is a bare file name as the help file setting gives it ("Vantrel.hlp"); the compiled file of
    // that name sits beside the program.
    explicit HelpViewer(std::string helpFile) : helpFile_(std::move(helpFile)) {}
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // HH_DISPLAY_TOPIC of the page, owned by owner, named "<file>::/<page>"; with no page (empty), the
    // file's default topic. hhctrl.ocx is loaded at the first topic and kept for the rest of the run; when
    // it can't be loaded nothing is shown.
    void ShowTopic(HWND owner, const std::string& page);
    // Starts hh.exe from the Windows folder on the whole help file, as a program of its own: not waited
    // for, its result ignored (Help > Contents).
    void StartContents() const;
    // HH_CLOSE_ALL, closing the windows F1 opened, if a topic was ever shown; the library is not loaded just
    // to close nothing.
    void CloseAll();

private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data);
    HtmlHelpFunction Load();

    std::string helpFile_;
    base::win::SystemLibrary hhctrl_{"hhctrl.ocx"};
    HtmlHelpFunction htmlHelp_ = nullptr;
    bool loadTried_ = false;
};

} // namespace forms::win
