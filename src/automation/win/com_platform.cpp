#include "automation/win/com_platform.h"

#include <cstring>
#include <new>

#include "automation/win/com_object.h"

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

std::u16string WindowsSystemText::AnsiToWide(std::string_view text) const {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int count = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::u16string wide(static_cast<size_t>(count), u'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, reinterpret_cast<wchar_t*>(wide.data()), count);
    return wide;
}

std::string WindowsSystemText::WideToAnsi(std::u16string_view text) const {
    if (text.empty())
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    const int count = WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(count), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, size, ansi.data(), count, nullptr, nullptr);
    return ansi;
}

std::string WindowsSystemText::AnsiLower(std::string_view text) const {
    std::string lower(text);
    if (!lower.empty())
        CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
    return lower;
}

std::string WindowsSystemText::StatusMessage(int32_t status) const {
    char buffer[kMessageLimit];
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(status), 0, buffer, kMessageLimit, nullptr);
    return std::string(buffer, length);
}

uint32_t WindowsSystemText::ThreadLocale() const {
    return GetThreadLocale();
}

int32_t ComObjectFactory::ClassIdFromProgId(const std::u16string& progId, Guid& classId) {
    CLSID clsid{};
    const HRESULT status = CLSIDFromProgID(reinterpret_cast<LPCOLESTR>(progId.c_str()), &clsid);
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

void InstallComPlatform() {
    static WindowsSystemText text;
    static ComObjectFactory factory;
    InstallSystemText(&text);
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
