#pragma once
// The program's failure: a message for the user and a help context. Every subsystem throws it or a class
// derived from it (the automation link's EOle classes), and the window procedures show what escapes.
#include <cstdint>
#include <exception>
#include <string>

namespace base {

class Exception : public std::exception {
public:
    explicit Exception(std::string message, int32_t helpContext = 0)
        : Message(std::move(message)), HelpContext(helpContext) {}
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
    int32_t HelpContext;
};

} // namespace base
