#pragma once
// The list file: plain bytes, one entry per line, every line ended by CR LF. Reading accepts CR LF,
// a lone CR or a lone LF as a line end and stops at the first NUL byte.
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The file's bytes for these entries, in this order: each entry's bytes, then CR LF. The result is
// exactly the sum of the lengths plus 2 per entry, built in one buffer so it can go out in one write.
std::string EncodeListFile(const std::vector<std::string>& entries);

// The lines of a list file, as views into bytes. A line end at the very end adds no empty line; a
// last line without one is still a line; a NUL byte and everything after it are ignored.
std::vector<std::string_view> DecodeListFile(std::string_view bytes);

} // namespace shell
