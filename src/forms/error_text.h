#pragma once
#include <exception>
#include <string>

namespace forms {

// The error box's text: the message, with "." appended when its last byte is above '.' (0x2E).
std::string ErrorBoxText(const std::string& message);

// A caption as the control shows it: "&Add..." reads "Add...", "&&" is one "&". For naming a control in an
// error.
std::string ShownCaption(const std::string& caption);

// The message of a caught failure: what() of a std::exception (the automation failure classes answer
// with their Message), "Unknown error" for anything else.
std::string ExceptionMessage(const std::exception_ptr& failure);

} // namespace forms
