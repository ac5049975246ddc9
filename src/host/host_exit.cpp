#include "host/host_exit.h"

#include "automation/automation.h"
#include "automation/host_members.h"

namespace host {

void ExitHostAtClose(bool hostWasRunning, const automation::Variant& hostApp,
                     const std::function<void(const std::string&)>& setStatus) {
    if (hostWasRunning)
        return;
    try {
        automation::CallAutomationMethod(hostApp, automation::kExitApp.name);
    } catch (...) {
        setStatus(automation::OleFailureStatusText(std::current_exception()));
    }
}

} // namespace host
