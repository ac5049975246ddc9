#include "host/win/top_level_windows.h"

#include <windows.h>

namespace host::win {
namespace {

// The visitor of the enumeration under way. The application value handed to EnumWindows is the
// constant 1, which the callback does not use; everything runs on the one UI thread.
const std::function<bool(std::string_view)>* gVisit = nullptr;
constexpr LPARAM kApplicationValue = 1;

// The enumeration callback. No exception may cross into the platform, so a failing visitor ends the
// enumeration.
BOOL CALLBACK FindHostWindowProc(HWND window, LPARAM) {
    char title[kTitleBufferSize];
    const int length = GetWindowTextA(window, title, kTitleMaxCount);
    try {
        return (*gVisit)(std::string_view(title, length > 0 ? static_cast<size_t>(length) : 0)) ? TRUE : FALSE;
    } catch (...) {
        return FALSE;
    }
}

} // namespace

void TopLevelWindows::Enumerate(const std::function<bool(std::string_view title)>& visit) {
    gVisit = &visit;
    EnumWindows(FindHostWindowProc, kApplicationValue);
    gVisit = nullptr;
}

void ScanTopLevelWindows(bool& hostWasRunning) {
    TopLevelWindows windows;
    ScanForHostWindow(windows, hostWasRunning);
}

} // namespace host::win
