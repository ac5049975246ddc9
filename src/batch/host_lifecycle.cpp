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

void ShowHost(const automation::Variant& hostApp) noexcept {
    try {
        automation::CallAutomationMethod(hostApp, automation::kVisible.name, true);
    } catch (...) {
    }
}

void ExitHostAtClose(bool hostWasRunning, const automation::Variant& hostApp, HostOwner hostOwner, StatusLine& status) {
    if (hostOwner == HostOwner::User)
        return;
    if (hostWasRunning) {
        // A host was running at start-up, so none is told to exit. One that a run started after the user
        // had closed that one is the program's own and still hidden: shown, it is the user's to close
        // rather than a process nobody can see.
        if (hostApp.Object())
            ShowHost(hostApp);
        return;
    }
    // With no run since start-up hostApp is empty and its owner the program: the call then fails before
    // it reaches any host, and the status line says so.
    try {
        automation::CallAutomationMethod(hostApp, automation::kExitApp.name);
    } catch (...) {
        status.SetStatus(automation::OleFailureStatusText(std::current_exception()));
    }
}

} // namespace batch
