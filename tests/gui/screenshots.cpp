// Keeps pictures of the program for people to look at: starts Vantrel.exe, saves its main window and
// its About box as .bmp files in the artifact folder (VANTREL_ARTIFACTS), and closes it; then the main
// window started at 144 and 192 dpi, and moved from 96 to 144 dpi and back (WM_DPICHANGED, as Windows
// sends it when the window goes to another monitor). scripts/test runs it as a step of its own; it checks
// nothing and is not a test.
//   vantrel_screenshots
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "support/win/driver.h"
#include "res/resource.h"

namespace {

// Saves a top-level window, frame included, once it is in front and drawn.
bool SaveWindow(const support::win::App& app, HWND window, const wchar_t* fileName) {
    if (!window || !support::win::BringToFront(window) || !app.WaitUntilIdle())
        return false;
    support::win::Pump(500);
    RECT frame;
    GetWindowRect(window, &frame);
    const std::wstring path = support::win::ArtifactFolder() + L"\\" + fileName;
    if (!support::win::SaveScreenshot(frame, path))
        return false;
    std::wprintf(L"%ls\n", path.c_str());
    return true;
}

// The main window of a Vantrel started at that system dpi.
bool SaveStartedAt(int dpi, const wchar_t* fileName) {
    const support::win::SystemDpiSetting setting(static_cast<DWORD>(dpi));
    const support::win::App app = support::win::App::Launch(support::win::VantrelPath(), L"Vantrel v2.2");
    return SaveWindow(app, app.MainWindow(), fileName);
}

// The window rectangle Windows suggests for a move to another dpi: the same top-left corner, the size
// scaled.
RECT Suggested(HWND window, int fromDpi, int toDpi) {
    RECT rect;
    GetWindowRect(window, &rect);
    return RECT{rect.left, rect.top, rect.left + MulDiv(rect.right - rect.left, toDpi, fromDpi),
                rect.top + MulDiv(rect.bottom - rect.top, toDpi, fromDpi)};
}

// Started at 96 dpi, moved to a monitor of 144 dpi, and back.
bool SaveMovedAndBack() {
    const support::win::App app = support::win::App::Launch(support::win::VantrelPath(), L"Vantrel v2.2");
    HWND window = app.MainWindow();
    RECT start;
    GetWindowRect(window, &start);
    support::win::SendDpiChanged(app, window, 144, Suggested(window, 96, 144));
    const bool movedSaved = SaveWindow(app, window, L"main-window-moved-96-to-144dpi.bmp");
    support::win::SendDpiChanged(app, window, 96, start);
    return SaveWindow(app, window, L"main-window-moved-144-back-to-96dpi.bmp") && movedSaved;
}

} // namespace

int main() {
    try {
        bool saved = true;
        {
            support::win::App app = support::win::App::Launch(support::win::VantrelPath(), L"Vantrel v2.2");
            saved = SaveWindow(app, app.MainWindow(), L"main-window.bmp");
            support::win::PostCommand(app.MainWindow(), CMD_ABOUT);
            saved = SaveWindow(app, app.WaitForWindow(L"TfrmAbout", nullptr, 5000), L"about-box.bmp") && saved;
        }
        saved = SaveStartedAt(144, L"main-window-144dpi.bmp") && saved;
        saved = SaveStartedAt(192, L"main-window-192dpi.bmp") && saved;
        saved = SaveMovedAndBack() && saved;
        return saved ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantrel_screenshots: %s\n", e.what());
        return 1;
    }
}
