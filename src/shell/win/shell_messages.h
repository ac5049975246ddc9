#pragma once
// Started elevated ("Run as administrator"), Vantrel runs at a higher integrity level than the user's
// shell, and Windows keeps the shell's messages out of its windows (User Interface Privilege Isolation): a
// file dragged from Explorer would find the window refusing it, and the taskbar's "button created" would
// never arrive. They are let in one message at a time, for one window (ChangeWindowMessageFilterEx,
// Windows 7 and later). A process that isn't elevated gets them anyway; the calls change nothing there.
#include <windows.h>

namespace shell::win {

// A drop's messages (WM_DROPFILES, and WM_COPYDATA and WM_COPYGLOBALDATA, by which the shell hands the
// dropped names across) and the taskbar's "button created". A refusal goes unreported: the window then
// works as it would without, with neither drops from the shell nor taskbar progress when elevated.
void AcceptShellMessages(HWND window);

} // namespace shell::win
