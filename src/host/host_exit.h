#pragma once
// The host's end at main-window close: a host the program reached is told to exit, unless the host
// was already running at start-up. The close is never held up: a failure only goes to the status line.
#include <functional>
#include <string>

#include "automation/variant.h"

namespace host {

void ExitHostAtClose(bool hostWasRunning, const automation::Variant& hostApp,
                     const std::function<void(const std::string&)>& setStatus);

} // namespace host
