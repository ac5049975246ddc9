#pragma once
// The host around the runs: whether it was already running when the program started, and its exit when
// the main window closes.
#include <string_view>

#include "automation/variant.h"
#include "batch/print_run.h"

namespace batch {

// A host window's title is read with GetWindowTextA into 128 bytes with a count of 127, so only the
// first 126 characters count.
constexpr int kTitleBufferSize = 128;
constexpr int kTitleMaxCount = 127;

// The title names the host: "SolidWorks" anywhere in it, byte for byte, case-sensitive.
bool TitleNamesHost(std::string_view title);

// One step of the start-up scan over the top-level windows, visible or hidden, in the platform's order:
// sets the flag from this title and returns whether to go on (true) or stop at the first match (false).
// The flag is written at every step, so it ends true only on a match.
bool FindHostWindowStep(std::string_view title, bool& hostWasRunning);

// Gives a host its window back (Visible true). Whatever this meets (a host that refuses, or has gone) is
// dropped: it never replaces what the status line already says.
void ShowHost(const automation::Variant& hostApp) noexcept;

// At main-window close the host a run reached is told to exit, unless a host was already running at
// start-up or the host held is the user's. The close is never held up: a failure only goes to the status
// line. A host of the program's own that may not be told to exit (one was running at start-up) is shown
// rather than left running hidden.
void ExitHostAtClose(bool hostWasRunning, const automation::Variant& hostApp, HostOwner hostOwner, StatusLine& status);

} // namespace batch
