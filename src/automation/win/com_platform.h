#pragma once
// The automation link's Windows side: the object factory that answers through COM and the system's
// messages, and the objects over IDispatch. Texts cross between the program's ANSI code page and COM's
// UTF-16 here, by base::win::Widen and Narrow. The COM apartment's owner is base::win::ComApartment.
#include <windows.h>

#include "automation/automation_object.h"
#include "automation/object_factory.h"

namespace automation::win {

class ComObjectFactory : public ObjectFactory {
public:
    int32_t ClassIdFromProgId(const std::string& progId, Guid& classId) override;
    int32_t CreateInstance(const Guid& classId, uint32_t context, const Guid& interfaceId, ObjectPtr& object) override;
    std::string StatusMessage(int32_t status) override;
};

// Installs the COM factory for the whole process.
void InstallComPlatform();

// An automation object for an IDispatch; the object takes a reference of its own.
ObjectPtr WrapDispatch(IDispatch* dispatch);

} // namespace automation::win
