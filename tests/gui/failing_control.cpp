// Linked into a test build of Vantrel beside the program's own sources, never into Vantrel.exe: from
// before WinMain on, the main window's label lblPrtAssy can't be created, as when the system runs out of
// window handles halfway through building the window.
#include <windows.h>

#include "res/resource.h"

namespace {

// A CBT hook refuses a window by answering nonzero to its creation.
LRESULT CALLBACK RefuseTheLabel(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if ((create->style & WS_CHILD) && create->hMenu == reinterpret_cast<HMENU>(IDC_LBLPRTASSY))
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Installed while the program's static objects are built, on the thread that then runs WinMain.
const HHOOK refusal = SetWindowsHookExA(WH_CBT, &RefuseTheLabel, nullptr, GetCurrentThreadId());

} // namespace
