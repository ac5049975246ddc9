// The automation link against real COM: an in-process IDispatch answers, Wine's oleaut32 carries the
// VARIANTs, and the platform's own FormatMessageA and CLSIDFromProgID are asked.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "automation/automation.h"
#include "automation/status_codes.h"
#include "automation/win/com_platform.h"

using namespace automation;

namespace {

// A hand-made IDispatch that records what arrives and answers as told.
class RecordingDispatch : public IDispatch {
public:
    struct Call {
        std::wstring member;
        WORD flags;
        std::vector<VARTYPE> types; // rgvarg order: the caller's last argument first
        std::vector<std::wstring> texts;
        std::vector<LONG> values;
    };

    ULONG refs = 1;
    std::vector<Call> calls;
    std::vector<LCID> lookupLocales;
    std::vector<LCID> callLocales;
    HRESULT invokeStatus = S_OK;
    std::wstring exceptionDescription;
    SCODE exceptionCode = 0;
    LONG byrefWrite = 0;
    IDispatch* returnObject = nullptr;
    bool returnByReference = false; // returnObject as VT_BYREF | VT_DISPATCH, pointing at this member
    const wchar_t* returnText = nullptr;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
        lookupLocales.push_back(locale);
        if (count != 1)
            return E_INVALIDARG;
        const std::wstring name = names[0];
        if (name == L"ExitApp")
            return DISP_E_UNKNOWNNAME;
        known_.push_back(name);
        ids[0] = static_cast<DISPID>(known_.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* excep, UINT*) override {
        callLocales.push_back(locale);
        Call call{known_.at(id - 1), flags, {}, {}, {}};
        for (UINT i = 0; i < params->cArgs; ++i) {
            VARIANTARG& arg = params->rgvarg[i];
            call.types.push_back(V_VT(&arg));
            if (V_VT(&arg) == VT_BSTR)
                call.texts.push_back(std::wstring(V_BSTR(&arg), SysStringLen(V_BSTR(&arg))));
            if (V_VT(&arg) == VT_I4)
                call.values.push_back(V_I4(&arg));
            if (V_VT(&arg) == VT_BOOL)
                call.values.push_back(V_BOOL(&arg));
            if (V_VT(&arg) == (VT_BYREF | VT_I4))
                *V_I4REF(&arg) = byrefWrite;
        }
        calls.push_back(call);
        if (exceptionCode != 0) {
            excep->scode = exceptionCode;
            excep->bstrDescription = SysAllocString(exceptionDescription.c_str());
            excep->bstrSource = SysAllocString(L"Recorder");
            return DISP_E_EXCEPTION;
        }
        if (returnObject && returnByReference) {
            V_VT(result) = VT_BYREF | VT_DISPATCH;
            V_DISPATCHREF(result) = &returnObject;
        } else if (returnObject) {
            V_VT(result) = VT_DISPATCH;
            V_DISPATCH(result) = returnObject;
            returnObject->AddRef();
        } else if (returnText) {
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = SysAllocString(returnText);
        }
        return invokeStatus;
    }

private:
    std::vector<std::wstring> known_;
};

struct ComLinkTest : ::testing::Test {
    static void SetUpTestSuite() { win::InstallComPlatform(); }
    void SetUp() override { (void)CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }

    RecordingDispatch host;
    Variant Target() { return Variant(win::WrapDispatch(&host)); }
};

TEST_F(ComLinkTest, ArgumentsArriveTypedValuedAndLastFirst) {
    int32_t slot = 0;
    host.byrefWrite = 7;
    CallAutomationMethod(Target(), "OpenDocSilent", "c:\\parts\\bracket.sldprt", int32_t{1}, &slot);
    CallAutomationMethod(Target(), "Visible", false);
    CallAutomationMethod(Target(), "UserControl", true);
    ASSERT_EQ(host.calls.size(), 3u);
    const auto& open = host.calls[0];
    EXPECT_EQ(open.flags, DISPATCH_METHOD);
    EXPECT_EQ(open.types, (std::vector<VARTYPE>{VT_BYREF | VT_I4, VT_I4, VT_BSTR}));
    EXPECT_EQ(open.texts, std::vector<std::wstring>{L"c:\\parts\\bracket.sldprt"});
    EXPECT_EQ(open.values, std::vector<LONG>{1});
    EXPECT_EQ(slot, 7) << "the host's write through the integer reference reaches the caller";
    EXPECT_EQ(host.calls[1].values, std::vector<LONG>{0});
    EXPECT_EQ(host.calls[2].values, std::vector<LONG>{-1});
}

TEST_F(ComLinkTest, NamesAreLookedUpInTheThreadLocaleAndCalledWithLocaleZero) {
    CallAutomationMethod(Target(), "ViewZoomtofit");
    CallAutomationMethod(Target(), "ViewZoomtofit");
    EXPECT_EQ(host.lookupLocales, (std::vector<LCID>{GetThreadLocale(), GetThreadLocale()}));
    EXPECT_EQ(host.callLocales, (std::vector<LCID>{0, 0}));
}

TEST_F(ComLinkTest, NoArgumentsGoOutAsMethodOrPropertyGet) {
    CallAutomationMethod(Target(), "ViewZoomtofit");
    ASSERT_EQ(host.calls.size(), 1u);
    EXPECT_EQ(host.calls[0].flags, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    EXPECT_TRUE(host.calls[0].types.empty());
}

TEST_F(ComLinkTest, HostExceptionArrivesWithDescriptionAndScode) {
    host.exceptionCode = static_cast<SCODE>(0x80040001);
    host.exceptionDescription = L"Printer jammed.\r\n";
    try {
        CallAutomationMethod(Target(), "PrintDirect");
        FAIL() << "nothing raised";
    } catch (const EOleException& e) {
        EXPECT_EQ(e.Message, "Printer jammed");
        EXPECT_EQ(e.ErrorCode, static_cast<int32_t>(0x80040001));
        EXPECT_EQ(e.Source, "Recorder");
    }
}

TEST_F(ComLinkTest, UnknownNameAndPositiveStatusAreRefused) {
    try {
        CallAutomationMethod(Target(), "ExitApp");
        FAIL() << "nothing raised";
    } catch (const EOleSysError&) {
        FAIL() << "an unknown name has no status";
    } catch (const EOleError& e) {
        EXPECT_EQ(e.Message, "Method 'ExitApp' not supported by automation object");
    }
    host.invokeStatus = S_FALSE;
    try {
        CallAutomationMethod(Target(), "Visible", false);
        FAIL() << "nothing raised";
    } catch (const EOleSysError& e) {
        EXPECT_EQ(e.ErrorCode, 1);
    }
}

TEST_F(ComLinkTest, ReturnedObjectTakesCallsAndEveryReferenceIsGivenBack) {
    for (bool byReference : {false, true}) {
        SCOPED_TRACE(byReference ? "VT_BYREF | VT_DISPATCH" : "VT_DISPATCH");
        RecordingDispatch doc;
        host.returnObject = &doc;
        host.returnByReference = byReference;
        {
            Variant target = Target();
            EXPECT_EQ(host.refs, 2u);
            Variant active = CallAutomationMethod(target, "ActivateDoc", "a.sldprt");
            EXPECT_EQ(doc.refs, 2u) << "the result holds exactly one reference";
            CallAutomationMethod(active, "PrintDirect");
            ASSERT_EQ(doc.calls.size(), 1u);
            EXPECT_EQ(doc.calls[0].member, L"PrintDirect");
            Variant copy = active;
            EXPECT_EQ(doc.refs, 3u) << "copying adds one reference on the object";
        }
        EXPECT_EQ(doc.refs, 1u);
        EXPECT_EQ(host.refs, 1u);
    }
}

TEST_F(ComLinkTest, TextResultsAndTextArgumentsUseTheAnsiCodePage) {
    host.returnText = L"r\u00e9sultat";
    const Variant result = CallAutomationMethod(Target(), "QuitDoc", "c:\\\xE9t\xE9\x80.sldprt");
    EXPECT_EQ(host.calls.at(0).texts.at(0), L"c:\\\u00e9t\u00e9\u20ac.sldprt");
    EXPECT_EQ(result.Type(), kVtText);
    EXPECT_EQ(result.Text(), "r\xE9sultat");
}

TEST_F(ComLinkTest, StatusTextsAreTheSystemsTrimmedOrTheFallback) {
    const int32_t statuses[] = {Hr(0x800706BA), Hr(0x80070005), Hr(0x80020006), Hr(0x80010108), 1};
    for (int32_t status : statuses) {
        char raw[256] = "";
        const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                       static_cast<DWORD>(status), 0, raw, sizeof raw, nullptr);
        std::string expected = TrimOleText(std::string(raw, n));
        if (expected.empty()) {
            char fallback[32];
            wsprintfA(fallback, "OLE error %08X", static_cast<unsigned>(status));
            expected = fallback;
        }
        EXPECT_EQ(OleStatusMessage(status), expected) << std::hex << status;
        EXPECT_FALSE(expected.empty());
        EXPECT_NE(expected.back(), '.');
        EXPECT_GT(static_cast<unsigned char>(expected.back()), 32);
    }
}

TEST_F(ComLinkTest, AProgIdThatDoesNotResolveCarriesThePlatformStatus) {
    try {
        CreateAutomationObject("Vantrel.NoSuchServer");
        FAIL() << "nothing raised";
    } catch (const EOleSysError& e) {
        EXPECT_EQ(e.ErrorCode, Hr(0x800401F3));
        EXPECT_EQ(e.Message, OleStatusMessage(Hr(0x800401F3)));
    }
}

} // namespace
