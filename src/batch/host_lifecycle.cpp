#include "batch/host_lifecycle.h"

#include "automation/automation.h"
#include "automation/host_members.h"

namespace batch {

bool TitleNamesHost(std::string_view title) {
    return title.find(automation::kWindowTitleWord) != std::string_view::npos;
}

bool FindHostWindowStep(std::string_view title, bool& hostWasRunning) {
    hostWasRunning = TitleNamesHost(title);
    return !hostWasRunning;
}

void ExitHostAtClose(bool hostWasRunning, const automation::Variant& hostApp, HostOwner hostOwner, StatusLine& status) {
    // With no run since start-up hostApp is empty and its owner the program: the call then fails before
    // it reaches any host, and the status line says so.
    if (hostWasRunning || hostOwner == HostOwner::User)
        return;
    try {
        automation::CallAutomationMethod(hostApp, automation::kExitApp.name);
    } catch (...) {
        status.SetStatus(automation::OleFailureStatusText(std::current_exception()));
    }
}

} // namespace batch
