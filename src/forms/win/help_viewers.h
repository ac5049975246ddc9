#pragma once
// The system's help viewers. WinHelp: winhlp32.exe for the whole help file (context topics go through
// user32's WinHelp). HTML Help: hhctrl.ocx for context topics, hh.exe for the whole help file. All are
// taken from the system's own folders by full path, never searched for: a bare name would be looked for
// in the program's folder and the current folder first (hhctrl.ocx is not one of the DLLs Windows always
// maps from the system folder), and the file dialogs move the current folder to wherever the user
// browsed, so a file of that name placed there would be run.
#include <windows.h>

#include <string>

#include "base/win/system_library.h"
#include "forms/help_viewer_choice.h"

namespace forms {

// The running Windows' own version. GetVersionEx reports 6.2 to a program without a manifest entry for
// the newer versions, so this asks ntdll, which tells the truth.
PlatformVersion RunningWindowsVersion();

// The compiled help file that goes with the help file setting, in the program's folder.
std::string CompiledHelpPath(const std::string& helpFile);

// Starts the system's winhlp32.exe on the help file setting unchanged (the viewer finds the file), as a
// program of its own: not waited for, its result ignored; with no viewer to be found nothing happens.
void StartWinHelpViewer(const std::string& helpFile);

// Starts hh.exe from the Windows folder on the help file, as a program of its own: not waited for, its
// result ignored.
void StartHtmlHelpViewer(const std::string& compiledHelpPath);

// hhctrl.ocx, loaded at the first topic shown and kept for the rest of the run.
class HtmlHelpLibrary {
public:
    HtmlHelpLibrary() = default;
    HtmlHelpLibrary(const HtmlHelpLibrary&) = delete;
    HtmlHelpLibrary& operator=(const HtmlHelpLibrary&) = delete;

    // HH_HELP_CONTEXT: the topic mapped to the context number; for 0, HH_DISPLAY_TOPIC: the default topic.
    // A library that can't be loaded shows nothing.
    void ShowContext(HWND owner, const std::string& compiledHelpPath, int context);
    // HH_CLOSE_ALL, if a topic was ever shown; the library is not loaded just to close nothing.
    void CloseAll();

private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND owner, LPCSTR file, UINT command, DWORD_PTR data);
    HtmlHelpFunction Load();

    SystemLibrary hhctrl_{"hhctrl.ocx"};
    HtmlHelpFunction htmlHelp_ = nullptr;
    bool loadTried_ = false;
};

} // namespace forms
