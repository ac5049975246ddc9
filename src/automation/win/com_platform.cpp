#include "automation/win/com_platform.h"

#include <cstring>
#include <new>

#include "automation/win/com_object.h"
#include "base/win/text.h"

namespace automation::win {
namespace {

// FormatMessageA fills at most this many characters.
constexpr DWORD kMessageLimit = 256;

// An automation object over a reference the caller holds. Should the wrapper not be allocated, that
// reference is given back before the failure goes on.
ObjectPtr AdoptDispatch(IDispatch* dispatch) {
    auto* object = new (std::nothrow) ComDispatchObject(dispatch);
    if (!object) {
        dispatch->Release();
        throw std::bad_alloc();
    }
    return ObjectPtr::Adopt(object);
}

} // namespace

int32_t ComObjectFactory::ClassIdFromProgId(const std::string& progId, Guid& classId) {
    CLSID clsid{};
    const HRESULT status = CLSIDFromProgID(base::win::Widen(progId).c_str(), &clsid);
    static_assert(sizeof clsid == sizeof classId, "a Guid is a CLSID's bytes");
    std::memcpy(classId.data(), &clsid, sizeof clsid);
    return status;
}

int32_t ComObjectFactory::CreateInstance(const Guid& classId, uint32_t context, const Guid& interfaceId,
                                         ObjectPtr& object) {
    CLSID clsid;
    IID iid;
    std::memcpy(&clsid, classId.data(), sizeof clsid);
    std::memcpy(&iid, interfaceId.data(), sizeof iid);
    IDispatch* dispatch = nullptr;
    const HRESULT status = CoCreateInstance(clsid, nullptr, context, iid, reinterpret_cast<void**>(&dispatch));
    if (SUCCEEDED(status) && dispatch)
        object = AdoptDispatch(dispatch);
    return status;
}

std::string ComObjectFactory::StatusMessage(int32_t status) {
    char buffer[kMessageLimit];
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(status), 0, buffer, kMessageLimit, nullptr);
    return std::string(buffer, length);
}

void InstallComPlatform() {
    static ComObjectFactory factory;
    InstallObjectFactory(&factory);
}

ObjectPtr WrapDispatch(IDispatch* dispatch) {
    if (!dispatch)
        return ObjectPtr();
    // The wrapper is allocated before the reference it will hold is taken: a failed allocation then
    // leaves the caller's count as it was.
    auto* object = new ComDispatchObject(dispatch);
    dispatch->AddRef();
    return ObjectPtr::Adopt(object);
}

} // namespace automation::win
