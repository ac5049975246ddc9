#pragma once
// The printers Wine lists for this user (local ones and connections), as the program finds them.
#include <string>
#include <vector>

namespace support::win {

std::vector<std::wstring> InstalledPrinters();

} // namespace support::win
