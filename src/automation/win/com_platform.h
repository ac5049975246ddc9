#pragma once
// The automation link's Windows side: the system text and object factory that answer through Win32 and
// COM. The COM apartment's owner is base::win::ComApartment.
#include <windows.h>

#include "automation/automation_object.h"
#include "automation/object_factory.h"
#include "automation/system_text.h"

namespace automation::win {

class WindowsSystemText : public SystemText {
public:
    std::u16string AnsiToWide(std::string_view text) const override;
    std::string WideToAnsi(std::u16string_view text) const override;
    std::string AnsiLower(std::string_view text) const override;
    std::string StatusMessage(int32_t status) const override;
    uint32_t ThreadLocale() const override;
};

class ComObjectFactory : public ObjectFactory {
public:
    int32_t ClassIdFromProgId(const std::u16string& progId, Guid& classId) override;
    int32_t CreateInstance(const Guid& classId, uint32_t context, const Guid& interfaceId, ObjectPtr& object) override;
};

// Installs the Windows system text and the COM factory for the whole process.
void InstallComPlatform();

// An automation object for an IDispatch; the object takes a reference of its own.
ObjectPtr WrapDispatch(IDispatch* dispatch);

} // namespace automation::win
