#pragma once
// The failure classes of the automation link. Handlers catch the most derived first.
#include <cstdint>
#include <exception>
#include <string>

namespace automation {

class Exception : public std::exception {
public:
    explicit Exception(std::string message, int32_t helpContext = 0)
        : Message(std::move(message)), HelpContext(helpContext) {}
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
    int32_t HelpContext;
};

// A failure that has no status code.
class EOleError : public Exception {
public:
    using Exception::Exception;
};

class EOleSysError : public EOleError {
public:
    EOleSysError(std::string message, int32_t errorCode, int32_t helpContext = 0)
        : EOleError(std::move(message), helpContext), ErrorCode(errorCode) {}

    int32_t ErrorCode;
};

// The host reported an exception from inside a call (DISP_E_EXCEPTION).
class EOleException : public EOleSysError {
public:
    EOleException(std::string message, int32_t errorCode, std::string source, std::string helpFile, int32_t helpContext)
        : EOleSysError(std::move(message), errorCode, helpContext), Source(std::move(source)),
          HelpFile(std::move(helpFile)) {}

    std::string Source;
    std::string HelpFile;
};

} // namespace automation
