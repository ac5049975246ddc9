#pragma once
#include "host/host_window_scan.h"

namespace host::win {

// The platform's top-level windows (EnumWindows), titles read by GetWindowTextA into 128 bytes.
class TopLevelWindows : public WindowTitles {
public:
    void Enumerate(const std::function<bool(std::string_view title)>& visit) override;
};

// The start-up scan over the real windows: clears hostWasRunning, then EnumWindows with
// FindHostWindowProc, which sets it at the first window whose title names the host.
void ScanTopLevelWindows(bool& hostWasRunning);

} // namespace host::win
