#pragma once
#include <string>

namespace shell {

// The error box's text: the message, with "." appended when its last byte is above '.' (0x2E).
std::string ErrorBoxText(const std::string& message);

} // namespace shell
