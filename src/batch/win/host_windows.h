#pragma once
// The start-up scan over the platform's top-level windows.

namespace batch::win {

// Clears hostWasRunning, then walks the top-level windows (EnumWindows), titles read by GetWindowTextA
// into 128 bytes, and sets it at the first window whose title names the host.
void ScanTopLevelWindows(bool& hostWasRunning);

} // namespace batch::win
