#pragma once
// Whether the host was already running when the program started: some top-level window's title, as far
// as a 128-byte read holds it, contains the host's name. Decided once, at main-window creation.
#include <functional>
#include <string_view>

namespace host {

// The most of a title the scan reads: GetWindowTextA into 128 bytes with a count of 127, so only the
// first 126 characters count.
constexpr int kTitleBufferSize = 128;
constexpr int kTitleMaxCount = 127;

// The title names the host: "SolidWorks" anywhere in it, byte for byte, case-sensitive.
bool TitleNamesHost(std::string_view title);

// One step of the enumeration: sets the flag from this title and returns whether to go on (true) or
// stop at the first match (false). The flag is written at every step, so it ends true only on a match.
bool FindHostWindowStep(std::string_view title, bool& hostWasRunning);

// The top-level windows, visible or hidden, by title as read through the 128-byte buffer.
class WindowTitles {
public:
    // Calls visit for each window in the platform's order until it returns false.
    virtual void Enumerate(const std::function<bool(std::string_view title)>& visit) = 0;

protected:
    ~WindowTitles() = default;
};

// Clears the flag, then scans.
void ScanForHostWindow(WindowTitles& windows, bool& hostWasRunning);

} // namespace host
