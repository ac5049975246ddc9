// Keeps pictures of the program for people to look at: starts Vantrel.exe, saves its main window and
// its About box as .bmp files in the artifact folder (VANTREL_ARTIFACTS), and closes it. scripts/test
// runs it as a step of its own; it checks nothing and is not a test.
//   vantrel_screenshots
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "driver.h"
#include "res/resource.h"

namespace {

// Saves a top-level window, frame included, once it is in front and drawn.
bool SaveWindow(const gui::App& app, HWND window, const wchar_t* fileName) {
    if (!window || !gui::BringToFront(window) || !app.WaitUntilIdle())
        return false;
    gui::Pump(500);
    RECT frame;
    GetWindowRect(window, &frame);
    const std::wstring path = gui::ArtifactFolder() + L"\\" + fileName;
    if (!gui::SaveScreenshot(frame, path))
        return false;
    std::wprintf(L"%ls\n", path.c_str());
    return true;
}

} // namespace

int main() {
    try {
        gui::App app = gui::App::Launch(gui::VantrelPath(), L"Vantrel v2.2");
        const bool mainSaved = SaveWindow(app, app.MainWindow(), L"main-window.bmp");
        gui::PostCommand(app.MainWindow(), IDM_ABOUT);
        const bool aboutSaved = SaveWindow(app, app.WaitForWindow(L"TfrmAbout", nullptr, 5000), L"about-box.bmp");
        return mainSaved && aboutSaved ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantrel_screenshots: %s\n", e.what());
        return 1;
    }
}
