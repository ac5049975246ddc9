#include "about_box.h"

#include "application.h"
#include "dpi_scaling.h"
#include "error_box.h"

TfrmAbout* frmAbout = nullptr;

namespace {

constexpr char kClassName[] = "TfrmAbout";
// A sizeable border; the title bar offers the system menu and minimising.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;
constexpr int kClientWidth = 360;
constexpr int kClientHeight = 362;

} // namespace

TfrmAbout::TfrmAbout() {
    const int dpi = SystemDpi();
    CreateHandle(FrameStyle{kClassName, kFrameStyle, WS_EX_CONTROLPARENT, shell::ScaleToDpi(kClientWidth, dpi),
                            shell::ScaleToDpi(kClientHeight, dpi), nullptr, nullptr, nullptr});
    RunGuarded([this] { FormCreate(); });
}

void TfrmAbout::FormCreate() {
    SetCaption(Application.Title());
}

LRESULT TfrmAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        // Closing only hides the box; it lives until the program ends.
        ShowWindow(Handle(), SW_HIDE);
        return 0;
    }
    return DefaultHandling(message, wParam, lParam);
}
