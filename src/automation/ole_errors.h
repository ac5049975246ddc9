#pragma once
// The failure classes of the automation link, below the program-wide base::Exception. Handlers catch the
// most derived first.
#include <cstdint>
#include <string>

#include "base/exception.h"

namespace automation {

// A failure that has no status code.
class EOleError : public base::Exception {
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
