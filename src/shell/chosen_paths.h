#pragma once
// The paths chosen in the multiple-selection file dialog, formed from its result.
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// True for a name the dialog gives with its folder already in it: it begins with "\", or it is longer
// than three characters with ":" second and "\" third.
bool IsAbsoluteName(std::string_view name);

// result: a run of strings, each ended by a NUL, the run ended by an empty string (the end of result
// ends the run as well). One string is the full path of the one chosen file; otherwise the first is a
// folder and each further one a name in it, unless the name is already absolute. The paths keep the
// order of the names.
std::vector<std::string> ChosenPaths(std::string_view result);

} // namespace shell
