// The program's entry: COM, the application settings, the two windows of the run and what joins them (the
// main window shows the About box through the callback handed to it here; neither includes the other), the
// message loop, and the orderly end. The objects are declared in the order they must be built, so they are destroyed in
// the reverse order: the windows (with the main window's automation references) before the help viewer is told to close
// its windows, and COM last of all.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <utility>

#include "about/win/about_box.h"
#include "automation/win/com_platform.h"
#include "base/win/owners.h"
#include "base/win/system_library.h"
#include "forms/win/application.h"
#include "forms/win/error_box.h"
#include "forms/win/help_viewer.h"
#include "res/resource.h"
#include "shell/main_window_layout.h"
#include "shell/win/common_file_dialog.h"
#include "shell/win/main_window.h"

namespace {

using about::win::frmAbout;
using about::win::TfrmAbout;
using forms::win::Application;
using shell::win::frmVantrel;
using shell::win::TfrmVantrel;

// Owns one of the run's windows and publishes it through its global pointer while it exists.
template <typename Form> class GlobalForm {
public:
    template <typename... Args>
    explicit GlobalForm(Form*& global, Args&&... args) : global_(global), form_(new Form(std::forward<Args>(args)...)) {
        global_ = form_.get();
    }
    ~GlobalForm() {
        global_ = nullptr;
        form_.reset();
    }
    GlobalForm(const GlobalForm&) = delete;
    GlobalForm& operator=(const GlobalForm&) = delete;

private:
    Form*& global_;
    std::unique_ptr<Form> form_;
};

void InitialiseControls() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    base::win::comctl32::InitCommonControlsEx(&controls);
}

void ShowAboutBox() {
    if (frmAbout)
        frmAbout->ShowInFront();
}

void RunProgram(forms::win::HelpViewer& help) {
    InitialiseControls();
    Application.SetTitle(shell::kStartTitle);
    shell::win::CommonFileDialog fileDialogs;
    GlobalForm<TfrmVantrel> mainWindow(frmVantrel, IDI_VANTREL, help, fileDialogs, &ShowAboutBox);
    GlobalForm<TfrmAbout> aboutBox(frmAbout, IDI_VANTREL);
    Application.Run();
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before anything can load a DLL: every DLL loaded from here on, by the program or (where Windows has
    // SetDefaultDllDirectories) by the system's own components too, comes from the system folder only.
    base::win::RestrictDllSearch(base::win::FindSetDefaultDllDirectories());
    // A print run holds the thread for seconds at a time; the window must stay as the program paints it
    // rather than be swapped for a "Not Responding" ghost whose close button would end Vantrel mid-run.
    DisableProcessWindowsGhosting();
    // Its status is not checked: without COM, the host calls fail with their own status.
    base::win::ComApartment com;
    automation::win::InstallComPlatform();
    // The catch of last resort: a window that can't be built ends the program after the error box.
    forms::win::HelpViewer help(shell::kHelpFile);
    forms::win::RunGuarded([&help] { RunProgram(help); });
    help.CloseAll();
    return 0;
}
