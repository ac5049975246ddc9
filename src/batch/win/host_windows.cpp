#include "batch/win/host_windows.h"

#include <windows.h>

#include "batch/host_lifecycle.h"

namespace batch::win {
namespace {

// The flag of the scan under way. The application value handed to EnumWindows is the constant 1, which
// the callback does not use; everything runs on the one UI thread.
bool* gHostWasRunning = nullptr;
constexpr LPARAM kApplicationValue = 1;

// The enumeration callback. Nothing in it throws, so nothing can cross into the platform.
BOOL CALLBACK FindHostWindowProc(HWND window, LPARAM) noexcept {
    char title[kTitleBufferSize];
    const int length = GetWindowTextA(window, title, kTitleMaxCount);
    const std::string_view text(title, length > 0 ? static_cast<size_t>(length) : 0);
    return FindHostWindowStep(text, *gHostWasRunning) ? TRUE : FALSE;
}

} // namespace

void ScanTopLevelWindows(bool& hostWasRunning) {
    hostWasRunning = false;
    gHostWasRunning = &hostWasRunning;
    EnumWindows(FindHostWindowProc, kApplicationValue);
    gHostWasRunning = nullptr;
}

} // namespace batch::win
