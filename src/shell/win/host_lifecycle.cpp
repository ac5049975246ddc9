// The host's lifecycle: the start-up scan for a running host, and telling the host to exit at close.
#include "host/host_exit.h"
#include "shell/win/main_window.h"
#include "host/win/top_level_windows.h"

bool hostWasRunning = false;

void TfrmVantrel::ScanForHostWindows() {
    host::win::ScanTopLevelWindows(hostWasRunning);
}

void TfrmVantrel::ExitHostAtClose() {
    host::ExitHostAtClose(hostWasRunning, varHostApp, [this](const std::string& text) { SetStatusText(text); });
}
