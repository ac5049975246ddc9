#pragma once
// The automation link's Windows side: the COM apartment, and the system text and object factory that
// answer through Win32 and COM.
#include <windows.h>

#include "automation/automation_object.h"
#include "automation/object_factory.h"
#include "automation/system_text.h"

namespace automation::win {

// COM for the process's one thread: CoInitialize at construction (its status is ignored: later calls
// fail with their own), CoUninitialize at destruction, after every reference is given back.
class ComApartment {
public:
    ComApartment() { (void)CoInitialize(nullptr); }
    ~ComApartment() { CoUninitialize(); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
};

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
