#pragma once
// The object-factory seam: ProgID to class, class to object (CLSIDFromProgID and CoCreateInstance), and
// the system's text for the status codes these and the objects answer with (FormatMessageA).
#include <array>
#include <cstdint>
#include <string>

#include "automation/automation_object.h"

namespace automation {

using Guid = std::array<uint8_t, 16>; // in the memory layout of a Windows GUID

// {00020400-0000-0000-C000-000000000046}
constexpr Guid kIidIDispatch = {0x00, 0x04, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

class ObjectFactory {
public:
    virtual ~ObjectFactory() = default;
    // progId is ANSI text.
    virtual int32_t ClassIdFromProgId(const std::string& progId, Guid& classId) = 0;
    virtual int32_t CreateInstance(const Guid& classId, uint32_t context, const Guid& interfaceId,
                                   ObjectPtr& object) = 0;
    // The system's message for a status code in ANSI text (at most 256 characters, untrimmed), or empty.
    virtual std::string StatusMessage(int32_t status) = 0;
};

// The process-wide factory; until one is installed every ProgID fails to resolve (CO_E_CLASSSTRING) and no
// status has a message.
ObjectFactory& CurrentObjectFactory();
// Installs another (null restores the default). The caller keeps it alive while installed.
void InstallObjectFactory(ObjectFactory* factory);

} // namespace automation
