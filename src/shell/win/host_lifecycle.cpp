// The host's lifecycle: the start-up scan for a running host, and telling the host to exit at close.
#include "host/host_exit.h"
#include "shell/win/main_window.h"
#include "host/win/top_level_windows.h"

namespace shell::win {
namespace {

// Whether a host window existed when the main window was created: process-wide, false until the scan.
// Only the scan writes it (clearing it first); only the close reads it.
bool hostWasRunning = false;

} // namespace

void TfrmVantrel::ScanForHostWindows() {
    host::win::ScanTopLevelWindows(hostWasRunning);
}

void TfrmVantrel::ExitHostAtClose() {
    host::ExitHostAtClose(hostWasRunning, varHostApp, [this](const std::string& text) { SetStatusText(text); });
}

} // namespace shell::win
