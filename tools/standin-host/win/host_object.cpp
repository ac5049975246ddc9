#include "host_object.h"

#include <new>
#include <string>
#include <vector>

#include "base/win/owners.h"
#include "call_plan.h"
#include "server.h"
#include "win_util.h"

namespace standin::win {

namespace {

JournalArg ToJournalArg(const VARIANT& arg) {
    VARTYPE type = V_VT(&arg);
    switch (type) {
    case VT_BSTR:
        return TextArg(type, WideToUtf8(std::wstring_view(V_BSTR(&arg), SysStringLen(V_BSTR(&arg)))));
    case VT_BOOL:
        return NumberArg(type, V_BOOL(&arg));
    case VT_I4:
        return NumberArg(type, V_I4(&arg));
    case VT_BYREF | VT_I4:
        return V_I4REF(&arg) ? NumberArg(type, *V_I4REF(&arg)) : OpaqueArg(type);
    default:
        return OpaqueArg(type);
    }
}

// In the caller's order: COM passes the last argument first.
std::vector<JournalArg> ToJournalArgs(const DISPPARAMS& params) {
    std::vector<JournalArg> args;
    for (UINT i = params.cArgs; i > 0; --i)
        args.push_back(ToJournalArg(params.rgvarg[i - 1]));
    return args;
}

// The slot is OpenDocSilent's last argument, which COM puts first.
void WriteOpenError(const DISPPARAMS& params, int32_t value) {
    VARIANT& slot = params.rgvarg[0];
    if (V_VT(&slot) == (VT_BYREF | VT_I4) && V_I4REF(&slot))
        *V_I4REF(&slot) = value;
}

HRESULT Raise(EXCEPINFO* error, const CallPlan& plan) {
    if (error) {
        *error = EXCEPINFO();
        error->scode = plan.status;
        // The caller frees both.
        const std::wstring description = Utf8ToWide(plan.description);
        error->bstrSource = SysAllocString(kExceptionSource);
        error->bstrDescription = SysAllocStringLen(description.data(), static_cast<UINT>(description.size()));
    }
    return DISP_E_EXCEPTION;
}

} // namespace

HostObject::HostObject(Server& server, automation::Target target)
    : server_(server), target_(target), name_(server.Names().Next(target)) {
    server_.GetJournal().Create(name_);
    server_.ObjectCreated();
}

HostObject::~HostObject() {
    server_.ObjectDestroyed(this);
}

HRESULT STDMETHODCALLTYPE HostObject::QueryInterface(REFIID riid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE HostObject::AddRef() {
    ++references_;
    server_.GetJournal().AddRef(name_, references_);
    return references_;
}

ULONG STDMETHODCALLTYPE HostObject::Release() {
    ULONG left = --references_;
    server_.GetJournal().Release(name_, left);
    if (left == 0)
        delete this;
    return left;
}

HRESULT STDMETHODCALLTYPE HostObject::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE HostObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info)
        *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE HostObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* dispIds) {
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (!names || !dispIds)
        return E_POINTER;
    HRESULT status = S_OK;
    for (UINT i = 0; i < count; ++i) {
        std::string name = WideToUtf8(names[i] ? names[i] : L"");
        // Names after the first would be named arguments, and no member takes any.
        const automation::Member* member = i == 0 ? FindMemberOn(name, target_) : nullptr;
        if (member && server_.Planner().Refuses(*member))
            member = nullptr;
        dispIds[i] = member ? DispIdOf(*member) : DISPID_UNKNOWN;
        if (!member) {
            server_.GetJournal().Unknown(name_, name);
            status = DISP_E_UNKNOWNNAME;
        }
    }
    return status;
}

HRESULT STDMETHODCALLTYPE HostObject::Invoke(DISPID dispId, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                                             VARIANT* result, EXCEPINFO* error, UINT*) {
    static const DISPPARAMS kNoParams = {};
    const DISPPARAMS& args = params ? *params : kNoParams;
    const automation::Member* member = MemberOfDispId(dispId);
    if (!member || member->target != target_) {
        server_.GetJournal().Call(name_, "#" + std::to_string(dispId), flags, ToJournalArgs(args));
        return DISP_E_MEMBERNOTFOUND;
    }
    server_.GetJournal().Call(name_, member->name, flags, ToJournalArgs(args));
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;

    CallPlan plan = server_.Planner().Plan(*member, args.cArgs, args.cNamedArgs, flags);
    if (plan.delayMilliseconds > 0)
        Sleep(plan.delayMilliseconds);
    if (plan.action == CallAction::Die)
        server_.Die();
    if (plan.writeOpenError)
        WriteOpenError(args, server_.Planner().OpenError());
    switch (plan.action) {
    case CallAction::ReturnStatus:
        return plan.status;
    case CallAction::Raise:
        return Raise(error, plan);
    case CallAction::ReturnNull:
        if (result) {
            V_VT(result) = VT_DISPATCH;
            V_DISPATCH(result) = nullptr;
        }
        return S_OK;
    case CallAction::ReturnEmpty:
        if (result)
            V_VT(result) = VT_EMPTY;
        return S_OK;
    case CallAction::Perform:
    case CallAction::Die:
        break;
    }
    return Perform(*member, result);
}

HRESULT HostObject::Perform(const automation::Member& member, VARIANT* result) {
    if (&member == &automation::kActivateDoc && result) {
        void* document = nullptr;
        HRESULT status = CreateHostObject(server_, automation::Target::Document, IID_IDispatch, &document);
        if (FAILED(status))
            return status;
        V_VT(result) = VT_DISPATCH;
        V_DISPATCH(result) = static_cast<IDispatch*>(document);
    } else if (&member == &automation::kExitApp) {
        server_.GetJournal().ExitRequested(name_);
        server_.RequestExit();
    }
    return S_OK;
}

HRESULT CreateHostObject(Server& server, automation::Target target, REFIID riid, void** object) {
    auto* created = new (std::nothrow) HostObject(server, target);
    if (!created)
        return E_OUTOFMEMORY;
    HRESULT status = created->QueryInterface(riid, object);
    if (FAILED(status))
        delete created; // no reference was ever given out
    return status;
}

} // namespace standin::win
