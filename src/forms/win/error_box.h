#pragma once
// The error box: how an error that no handler catches is shown. The window procedures of the program's
// windows show every exception that escapes a handler here; other code may call ShowErrorBox itself, but
// normally just throws (base::Exception or any std::exception) and lets the window procedure show it.
#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "forms/error_text.h"

namespace forms::win {

// A message box captioned with the application title, stop icon and OK button (MB_OK | MB_ICONSTOP),
// owned by the main window; its text is the message with "." appended by the rule of ErrorBoxText. While
// it is up every window of the program is disabled; afterwards they are enabled again and the window that
// was active is activated again.
void ShowErrorBox(const std::string& message);

// A message box of the program with that text as it is, that icon (MB_ICONWARNING...) and an OK button,
// shown as the error box is: captioned with the application title, owned by the main window, every window
// of the program disabled while it is up.
void ShowMessageBox(const std::string& text, UINT icon);

// Disables every visible, enabled top-level window of this thread for its lifetime, as a box or dialog
// that is modal for the whole program must keep the user out of all of them (a plain owned message box
// or common dialog would disable its owner only). Afterwards the window that was active is activated again.
class ProgramWindowsDisabled {
public:
    ProgramWindowsDisabled();
    ~ProgramWindowsDisabled();
    ProgramWindowsDisabled(const ProgramWindowsDisabled&) = delete;
    ProgramWindowsDisabled& operator=(const ProgramWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self) noexcept;

    HWND active_;
    std::vector<HWND> windows_;
};

// Runs f and shows whatever it throws in the error box. Window procedures and the creation handler use
// it, so no exception crosses a Win32 callback.
template <typename F> void RunGuarded(F&& f) noexcept {
    try {
        f();
    } catch (...) {
        try {
            ShowErrorBox(ExceptionMessage(std::current_exception()));
        } catch (...) {
            // Not even the box could be built (out of memory): there is nothing left to tell the user with.
        }
    }
}

} // namespace forms::win
