#pragma once
// Whether the host was already running when the program started: some top-level window's title
// (as far as a 128-byte read holds it) contains the host's name.
#include <string_view>

namespace host {

// The most of a title the scan reads: GetWindowTextA into 128 bytes with a count of 127.
constexpr int kTitleBufferSize = 128;
constexpr int kTitleMaxCount = 127;

bool TitleNamesHost(std::string_view title);

} // namespace host
