#include "automation/win/com_object.h"

#include <oleauto.h>

#include "automation/status_codes.h"
#include "automation/variant.h"
#include "automation/win/com_platform.h"
#include "base/win/owners.h"
#include "base/win/text.h"

namespace automation::win {
namespace {

// Invoke's locale: the link's calls name no locale of their own.
constexpr LCID kInvokeLocale = 0;

// A BSTR (null for empty) as the program's ANSI text.
std::string FromBstr(BSTR text) {
    return text ? base::win::Narrow(std::wstring_view(text, SysStringLen(text))) : std::string();
}

// The VARIANTARGs of one call; frees the BSTRs it made on every path.
class ParameterBlock {
public:
    ParameterBlock() = default;
    ParameterBlock(const ParameterBlock&) = delete;
    ParameterBlock& operator=(const ParameterBlock&) = delete;
    ~ParameterBlock() {
        for (VARIANTARG& arg : args_) {
            if (V_VT(&arg) == VT_BSTR)
                SysFreeString(V_BSTR(&arg));
        }
    }

    // Returns false for an argument kind that can't go out.
    bool Add(const WireArg& wire) {
        VARIANTARG arg;
        VariantInit(&arg);
        switch (wire.type) {
        case VT_BOOL:
            V_VT(&arg) = VT_BOOL;
            V_BOOL(&arg) = wire.boolValue;
            break;
        case VT_I4:
            V_VT(&arg) = VT_I4;
            V_I4(&arg) = wire.intValue;
            break;
        case VT_BYREF | VT_I4:
            V_VT(&arg) = VT_BYREF | VT_I4;
            V_I4REF(&arg) = reinterpret_cast<LONG*>(wire.intRef);
            break;
        case VT_BSTR: {
            const std::wstring text = base::win::Widen(wire.text);
            V_BSTR(&arg) = SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()));
            if (!V_BSTR(&arg))
                return false;
            V_VT(&arg) = VT_BSTR;
            break;
        }
        case VT_DISPATCH: {
            // The argument borrows the caller's reference for the length of the call.
            auto* object = dynamic_cast<ComDispatchObject*>(wire.object);
            if (!object)
                return false;
            V_VT(&arg) = VT_DISPATCH;
            V_DISPATCH(&arg) = object->Dispatch();
            break;
        }
        default:
            return false;
        }
        args_.push_back(arg);
        return true;
    }

    DISPPARAMS Params() { return DISPPARAMS{args_.empty() ? nullptr : args_.data(), nullptr, Count(), 0}; }

private:
    UINT Count() const { return static_cast<UINT>(args_.size()); }

    std::vector<VARIANTARG> args_;
};

Variant ToVariant(const VARIANT& value) {
    switch (V_VT(&value)) {
    case VT_EMPTY:
        return Variant();
    case VT_DISPATCH:
        return Variant(WrapDispatch(V_DISPATCH(&value)));
    case VT_BYREF | VT_DISPATCH:
        // The variable it points at is the host's, and only good while the result is; the object it
        // holds is kept with a reference of its own, so the result can be the target of later calls.
        return Variant(WrapDispatch(V_DISPATCHREF(&value) ? *V_DISPATCHREF(&value) : nullptr));
    case VT_BOOL:
        return Variant(V_BOOL(&value) != VARIANT_FALSE);
    case VT_I4:
        return Variant(static_cast<int32_t>(V_I4(&value)));
    case VT_BSTR:
        return Variant(FromBstr(V_BSTR(&value)));
    default:
        return Variant::OfOtherKind(V_VT(&value));
    }
}

} // namespace

void ComDispatchObject::AddRef() {
    ++refs_;
    dispatch_->AddRef();
}

void ComDispatchObject::Release() {
    dispatch_->Release();
    if (--refs_ == 0)
        delete this;
}

int32_t ComDispatchObject::GetIdOfName(const std::string& name, int32_t& dispId) {
    std::wstring wideName = base::win::Widen(name);
    LPOLESTR names[1] = {wideName.data()};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT status = dispatch_->GetIDsOfNames(IID_NULL, names, 1, GetThreadLocale(), &id);
    dispId = id;
    return status;
}

int32_t ComDispatchObject::Invoke(int32_t dispId, uint16_t flags, std::vector<WireArg>& args, Variant& result,
                                  ErrorRecord& error) {
    ParameterBlock block;
    for (const WireArg& arg : args) {
        if (!block.Add(arg))
            return kDispEBadVarType;
    }
    DISPPARAMS params = block.Params();
    // Cleared on every path.
    base::win::OwnedVariant outResult;
    base::win::OwnedExcepInfo outError;
    // No argument-error index, and the deferred fill-in of the error record is never called.
    const HRESULT status =
        dispatch_->Invoke(dispId, IID_NULL, kInvokeLocale, flags, &params, outResult.Get(), outError.Get(), nullptr);
    if (status == DISP_E_EXCEPTION) {
        error.scode = outError->scode;
        error.helpContext = static_cast<int32_t>(outError->dwHelpContext);
        error.source = FromBstr(outError->bstrSource);
        error.description = FromBstr(outError->bstrDescription);
        error.helpFile = FromBstr(outError->bstrHelpFile);
    } else if (status == S_OK) {
        result = ToVariant(*outResult);
    }
    return status;
}

const void* ComDispatchObject::Identity() {
    IUnknown* identity = nullptr;
    if (FAILED(dispatch_->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity))) || !identity)
        return nullptr;
    // Only the address is kept: it stays the object's identity for as long as dispatch_ holds the object.
    identity->Release();
    return identity;
}

} // namespace automation::win
