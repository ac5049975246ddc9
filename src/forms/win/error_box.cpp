#include "forms/win/error_box.h"

#include <windows.h>

#include <vector>

#include "forms/error_text.h"
#include "forms/win/application.h"

namespace forms::win {

ProgramWindowsDisabled::ProgramWindowsDisabled() : active_(GetActiveWindow()) {
    EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
    for (HWND window : windows_)
        EnableWindow(window, FALSE);
}

ProgramWindowsDisabled::~ProgramWindowsDisabled() {
    for (HWND window : windows_) {
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    }
    if (active_ && IsWindow(active_))
        SetActiveWindow(active_);
}

BOOL CALLBACK ProgramWindowsDisabled::Collect(HWND window, LPARAM self) noexcept {
    if (!IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    try {
        reinterpret_cast<ProgramWindowsDisabled*>(self)->windows_.push_back(window);
        return TRUE;
    } catch (...) {
        return FALSE; // no memory: the windows found so far are disabled, the box still shows
    }
}

void ShowErrorBox(const std::string& message) {
    ShowMessageBox(ErrorBoxText(message), MB_ICONSTOP);
}

void ShowMessageBox(const std::string& text, UINT icon) {
    ProgramWindowsDisabled disabled;
    // A box given a window that no longer exists as its owner is never shown: such a box goes without one.
    HWND owner = Application.MainWindow();
    if (owner && !IsWindow(owner))
        owner = nullptr;
    MessageBoxA(owner, text.c_str(), Application.Title().c_str(), MB_OK | icon);
}

} // namespace forms::win
