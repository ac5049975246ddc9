#include "host/host_window_scan.h"

#include "automation/host_members.h"

namespace host {

bool TitleNamesHost(std::string_view title) {
    return title.find(automation::kWindowTitleWord) != std::string_view::npos;
}

bool FindHostWindowStep(std::string_view title, bool& hostWasRunning) {
    hostWasRunning = TitleNamesHost(title);
    return !hostWasRunning;
}

void ScanForHostWindow(WindowTitles& windows, bool& hostWasRunning) {
    hostWasRunning = false;
    windows.Enumerate([&](std::string_view title) { return FindHostWindowStep(title, hostWasRunning); });
}

} // namespace host
