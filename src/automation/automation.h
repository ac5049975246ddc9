#pragma once
// The two operations on the host, written once on the object seam so the argument-list rule, the
// check order, the invoke kinds and the message texts are the same whatever answers.
#include <cstdint>
#include <exception>
#include <string>

#include "automation/ole_errors.h"
#include "automation/variant.h"

namespace automation {

// Resolves the ProgID and creates an instance asking for IDispatch. Raises EOleSysError.
ObjectPtr CreateAutomationObject(const std::string& progId);

// Calls the member by name with its result requested. The arguments stop at the first empty one.
// Raises EOleError, EOleSysError or EOleException.
Variant CallAutomationMethod(const Variant& target, const std::string& name, const Variant& a1 = Variant(),
                             const Variant& a2 = Variant(), const Variant& a3 = Variant(),
                             const Variant& a4 = Variant(), const Variant& a5 = Variant(),
                             const Variant& a6 = Variant(), const Variant& a7 = Variant(),
                             const Variant& a8 = Variant(), const Variant& a9 = Variant(),
                             const Variant& a10 = Variant());

// Whether both hold an automation reference to one and the same object, by its COM identity.
bool SameObject(const Variant& a, const Variant& b);

// Trailing characters of code 32 or less, and full stops, removed one by one.
std::string TrimOleText(std::string text);

// The system's text for a status (trimmed), else "OLE error XXXXXXXX".
std::string OleStatusMessage(int32_t status);

EOleSysError MakeOleSysError(int32_t status);
EOleException MakeOleException(const ErrorRecord& record);

// The status-line text for a caught failure, by the first matching class: EOleException and
// EOleSysError "OLE Error:  <Message>(<ErrorCode>)", EOleError "OLE Error:  <Message>", anything
// else "OLE Error:  unknown error".
std::string OleFailureStatusText(std::exception_ptr failure);

extern const char kNotAnAutomationObject[];

} // namespace automation
