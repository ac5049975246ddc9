#pragma once
// The application and document objects of the stand-in host: IDispatch written by hand, without a
// type library, answering only the members the program calls on that object.
#include <windows.h>
#include <oleauto.h>

#include <string>

#include "automation/host_members.h"

namespace standin::win {

class Server;

class HostObject final : public IDispatch {
public:
    HostObject(Server& server, automation::Target target);
    HostObject(const HostObject&) = delete;
    HostObject& operator=(const HostObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* dispIds) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispId, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* error, UINT* argError) override;

private:
    friend HRESULT CreateHostObject(Server& server, automation::Target target, REFIID riid, void** object);
    ~HostObject();

    HRESULT Perform(const automation::Member& member, VARIANT* result);

    Server& server_;
    automation::Target target_;
    std::string name_;
    ULONG references_ = 0;
};

// Creates an object and gives the caller its first reference, as the interface riid.
HRESULT CreateHostObject(Server& server, automation::Target target, REFIID riid, void** object);

} // namespace standin::win
