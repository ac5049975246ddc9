#pragma once
// Texts between the program's ANSI code page and the UTF-16 the Wine tests read windows in: the
// program's own conversions.
#include "base/win/text.h"

namespace support::win {

using base::win::Narrow;
using base::win::Widen;

} // namespace support::win
