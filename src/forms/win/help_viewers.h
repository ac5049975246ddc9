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

#include "base/win/system_library.h"
#include "forms/help_file.h"

namespace forms {

// The compiled help file that goes with the help file setting, in the program's folder.
std::wstring CompiledHelpPath(const std::string& helpFile);

// Starts hh.exe from the Windows folder on the help file, as a program of its own: not waited for, its
// result ignored.
void StartHtmlHelpViewer(const std::wstring& compiledHelpPath);

// hhctrl.ocx, loaded at the first topic shown and kept for the rest of the run.
class HtmlHelpLibrary {
public:
    HtmlHelpLibrary() = default;
    HtmlHelpLibrary(const HtmlHelpLibrary&) = delete;
    HtmlHelpLibrary& operator=(const HtmlHelpLibrary&) = delete;

    // HH_DISPLAY_TOPIC of the page in the compiled help file, named "<file>::/<page>"; with no page (empty),
    // the file's default topic. A library that can't be loaded shows nothing.
    void ShowTopic(HWND owner, const std::wstring& compiledHelpPath, const std::string& page);
    // HH_CLOSE_ALL, if a topic was ever shown; the library is not loaded just to close nothing.
    void CloseAll();

private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data);
    HtmlHelpFunction Load();

    SystemLibrary hhctrl_{"hhctrl.ocx"};
    HtmlHelpFunction htmlHelp_ = nullptr;
    bool loadTried_ = false;
};

} // namespace forms
