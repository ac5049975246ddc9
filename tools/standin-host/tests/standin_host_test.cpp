// The stand-in host as the program meets it: registered as "SldWorks.Application", started by COM in
// its own process, reached through raw IDispatch calls. Each test writes the scenario file next to the
// server, reads the journal the server wrote, and waits until the server has ended.
#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/win/owners.h"
#include "journal.h"
#include "standin_fixture.h"
#include "automation/status_codes.h"
#include "win_util.h"

namespace standin {
namespace {

using Microsoft::WRL::ComPtr;
using namespace standin::win; // the server's own files, which this tests

// One GetIDsOfNames plus Invoke, with the arguments given in the caller's order.
class Invocation {
public:
    Invocation(IDispatch* target, const wchar_t* name) : target_(target), name_(name) {}

    Invocation& Text(std::wstring_view text) {
        texts_.emplace_back(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())), &SysFreeString);
        VARIANT arg = Empty(VT_BSTR);
        V_BSTR(&arg) = texts_.back().get();
        return Add(arg);
    }
    Invocation& Bool(bool value) {
        VARIANT arg = Empty(VT_BOOL);
        V_BOOL(&arg) = value ? VARIANT_TRUE : VARIANT_FALSE;
        return Add(arg);
    }
    Invocation& Int(int32_t value) {
        VARIANT arg = Empty(VT_I4);
        V_I4(&arg) = value;
        return Add(arg);
    }
    Invocation& IntRef(LONG* value) {
        VARIANT arg = Empty(VT_BYREF | VT_I4);
        V_I4REF(&arg) = value;
        return Add(arg);
    }

    // The invoke kinds the program uses: method-or-get without arguments, method with them.
    HRESULT Run() { return Run(args_.empty() ? DISPATCH_METHOD | DISPATCH_PROPERTYGET : DISPATCH_METHOD); }
    HRESULT Run(WORD flags) {
        DISPID dispId = 0;
        HRESULT status = LookUp(dispId);
        if (FAILED(status))
            return status;
        std::vector<VARIANT> comOrder(args_.rbegin(), args_.rend());
        DISPPARAMS params = {comOrder.empty() ? nullptr : comOrder.data(), nullptr, static_cast<UINT>(comOrder.size()),
                             0};
        return target_->Invoke(dispId, IID_NULL, 0, flags, &params, result_.Get(), error_.Get(), nullptr);
    }
    HRESULT LookUp(DISPID& dispId) {
        LPOLESTR names[] = {const_cast<LPOLESTR>(name_)};
        return target_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispId);
    }

    const VARIANT& Result() const { return *result_; }
    const EXCEPINFO& Error() const { return *error_.operator->(); }
    ComPtr<IDispatch> ResultObject() const {
        return V_VT(&*result_) == VT_DISPATCH ? ComPtr<IDispatch>(V_DISPATCH(&*result_)) : nullptr;
    }

private:
    static VARIANT Empty(VARTYPE type) {
        VARIANT arg;
        VariantInit(&arg);
        V_VT(&arg) = type;
        return arg;
    }
    Invocation& Add(const VARIANT& arg) {
        args_.push_back(arg);
        return *this;
    }

    IDispatch* target_;
    const wchar_t* name_;
    std::vector<std::unique_ptr<OLECHAR, decltype(&SysFreeString)>> texts_; // the BSTRs that args_ points at
    std::vector<VARIANT> args_;
    base::win::OwnedVariant result_;
    base::win::OwnedExcepInfo error_;
};

class StandinHost : public StandinFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(apartment_.Status(), S_OK);
        StandinFixture::SetUp();
    }

    void ReleaseReferences() override {
        documents_.clear();
        app_.Reset();
    }

    // Writes the scenario (none when empty) and creates the host application object.
    void StartServer(const std::string& scenario) {
        ASSERT_NO_FATAL_FAILURE(BeginServer(scenario));
        CLSID classId = {};
        ASSERT_EQ(CLSIDFromProgID(L"SldWorks.Application", &classId), S_OK) << "is the stand-in registered?";
        ASSERT_TRUE(IsEqualCLSID(classId, kStandinHostClsid));
        ASSERT_EQ(CoCreateInstance(classId, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, &app_), S_OK);
    }

    ComPtr<IDispatch> Activate(const wchar_t* path) {
        Invocation activate(app_.Get(), L"ActivateDoc");
        EXPECT_EQ(activate.Text(path).Run(), S_OK);
        EXPECT_EQ(V_VT(&activate.Result()), VT_DISPATCH);
        return activate.ResultObject();
    }

    std::string JournalText() const { return session_.JournalText(); }
    std::vector<JournalEntry> Journal() const { return session_.Journal(); }
    std::vector<CallLine> Calls() const { return session_.Calls(); }

    static DWORD LastServerPid(const std::vector<JournalEntry>& journal) {
        return StandinSession::LastServerPid(journal);
    }

    ComPtr<IDispatch> app_;
    std::vector<ComPtr<IDispatch>> documents_;
};

TEST_F(StandinHost, EveryMemberJournalsItsArgumentsTypedInCallerOrder) {
    ASSERT_NO_FATAL_FAILURE(StartServer(""));
    const wchar_t* path = L"c:\\teile\\b\u00fcgel;1%.sldprt";
    LONG slot = -12345;
    EXPECT_EQ(Invocation(app_.Get(), L"UserControl").Bool(true).Run(), S_OK);
    EXPECT_EQ(Invocation(app_.Get(), L"Visible").Bool(false).Run(), S_OK);
    EXPECT_EQ(Invocation(app_.Get(), L"OpenDocSilent").Text(path).Int(1).IntRef(&slot).Run(), S_OK);
    ComPtr<IDispatch> doc = Activate(path);
    ASSERT_TRUE(doc);
    EXPECT_EQ(Invocation(doc.Get(), L"ShowNamedView").Text(L"*Isometric").Run(), S_OK);
    for (const wchar_t* member : {L"ViewDisplayWireframe", L"ViewDisplayHiddengreyed", L"ViewDisplayHiddenRemoved",
                                  L"ViewDisplayShaded", L"ViewZoomtofit", L"PrintPreview", L"PrintDirect"})
        EXPECT_EQ(Invocation(doc.Get(), member).Run(), S_OK);
    EXPECT_EQ(Invocation(app_.Get(), L"QuitDoc").Text(path).Run(), S_OK);
    EXPECT_EQ(Invocation(app_.Get(), L"ExitApp").Run(), S_OK);
    EXPECT_EQ(slot, 7); // the default open error, written back across the process boundary

    const std::string utf8Path = "c:\\teile\\b\xC3\xBCgel%3B1%25.sldprt";
    std::vector<CallLine> expected = {
        {"app1", "UserControl", "1", "11:-1"},
        {"app1", "Visible", "1", "11:0"},
        {"app1", "OpenDocSilent", "1", "8:" + utf8Path + ";3:1;16387:-12345"},
        {"app1", "ActivateDoc", "1", "8:" + utf8Path},
        {"doc1", "ShowNamedView", "1", "8:*Isometric"},
        {"doc1", "ViewDisplayWireframe", "3", ""},
        {"doc1", "ViewDisplayHiddengreyed", "3", ""},
        {"doc1", "ViewDisplayHiddenRemoved", "3", ""},
        {"doc1", "ViewDisplayShaded", "3", ""},
        {"doc1", "ViewZoomtofit", "3", ""},
        {"doc1", "PrintPreview", "3", ""},
        {"doc1", "PrintDirect", "3", ""},
        {"app1", "QuitDoc", "1", "8:" + utf8Path},
        {"app1", "ExitApp", "3", ""},
    };
    EXPECT_EQ(Calls(), expected);
}

TEST_F(StandinHost, OpenErrorScenarioValueReachesTheCallersSlotAlsoWhenTheCallFails) {
    ASSERT_NO_FATAL_FAILURE(StartServer("open-error -2\nfail OpenDocSilent 2 0x80004005\n"));
    LONG slot = 99;
    EXPECT_EQ(Invocation(app_.Get(), L"OpenDocSilent").Text(L"a.slddrw").Int(3).IntRef(&slot).Run(), S_OK);
    EXPECT_EQ(slot, -2);
    LONG failedSlot = 98;
    EXPECT_EQ(Invocation(app_.Get(), L"OpenDocSilent").Text(L"b.slddrw").Int(3).IntRef(&failedSlot).Run(), E_FAIL);
    EXPECT_EQ(failedSlot, -2);
    std::vector<CallLine> calls = Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].args, "8:a.slddrw;3:3;16387:99"); // the value before the call
    EXPECT_EQ(calls[1].args, "8:b.slddrw;3:3;16387:98");
}

TEST_F(StandinHost, RaiseArrivesAsExceptionWithScodeDescriptionAndSource) {
    ASSERT_NO_FATAL_FAILURE(StartServer("raise PrintDirect 2 0x80041234 Printer jammed.\\r\\n\n"
                                        "raise PrintPreview 1 0x80004005\n"));
    ComPtr<IDispatch> doc = Activate(L"a.sldprt");
    ASSERT_TRUE(doc);
    EXPECT_EQ(Invocation(doc.Get(), L"PrintDirect").Run(), S_OK);

    Invocation second(doc.Get(), L"PrintDirect");
    EXPECT_EQ(second.Run(), DISP_E_EXCEPTION);
    EXPECT_EQ(static_cast<uint32_t>(second.Error().scode), 0x80041234u);
    EXPECT_EQ(second.Error().wCode, 0);
    EXPECT_STREQ(second.Error().bstrSource, L"Stand-in host");
    EXPECT_STREQ(second.Error().bstrDescription, L"Printer jammed.\r\n");

    Invocation bare(doc.Get(), L"PrintPreview");
    EXPECT_EQ(bare.Run(), DISP_E_EXCEPTION);
    EXPECT_EQ(static_cast<uint32_t>(bare.Error().scode), 0x80004005u);
    EXPECT_EQ(SysStringLen(bare.Error().bstrDescription), 0u);
}

TEST_F(StandinHost, FailReturnsItsStatusFromInvokeEvenWhenPositive) {
    ASSERT_NO_FATAL_FAILURE(StartServer("fail Visible 1 0x1\nfail UserControl 2 0x80004005\n"));
    EXPECT_EQ(Invocation(app_.Get(), L"Visible").Bool(false).Run(), 1);
    EXPECT_EQ(Invocation(app_.Get(), L"UserControl").Bool(true).Run(), S_OK);
    EXPECT_EQ(Invocation(app_.Get(), L"UserControl").Bool(true).Run(), E_FAIL);
    EXPECT_EQ(Invocation(app_.Get(), L"Visible").Bool(false).Run(), S_OK);
}

TEST_F(StandinHost, UnknownAndMisplacedNamesAreRefusedAndJournaled) {
    ASSERT_NO_FATAL_FAILURE(StartServer("unknown QuitDoc\n"));
    ComPtr<IDispatch> doc = Activate(L"a.sldasm");
    ASSERT_TRUE(doc);
    DISPID dispId = 0;
    EXPECT_EQ(Invocation(app_.Get(), L"QuitDoc").LookUp(dispId), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(dispId, DISPID_UNKNOWN);
    EXPECT_EQ(Invocation(app_.Get(), L"PrintDirect").LookUp(dispId), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(Invocation(doc.Get(), L"ExitApp").LookUp(dispId), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(Invocation(app_.Get(), L"exitapp").LookUp(dispId), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(Invocation(app_.Get(), L"ExitApp").LookUp(dispId), S_OK);

    std::vector<std::string> unknown;
    for (const JournalEntry& entry : Journal()) {
        if (entry.event == "unknown")
            unknown.push_back(entry.object + " " + entry.member);
    }
    EXPECT_EQ(unknown, (std::vector<std::string>{"app1 QuitDoc", "app1 PrintDirect", "doc1 ExitApp", "app1 exitapp"}));
}

TEST_F(StandinHost, ActivateEmptyAndNullAnswerTheirCallsOnly) {
    ASSERT_NO_FATAL_FAILURE(StartServer("activate-empty 1\nactivate-null 2\n"));
    Invocation first(app_.Get(), L"ActivateDoc");
    EXPECT_EQ(first.Text(L"a.sldprt").Run(), S_OK);
    EXPECT_EQ(V_VT(&first.Result()), VT_EMPTY);
    Invocation second(app_.Get(), L"ActivateDoc");
    EXPECT_EQ(second.Text(L"a.sldprt").Run(), S_OK);
    EXPECT_EQ(V_VT(&second.Result()), VT_DISPATCH);
    EXPECT_EQ(V_DISPATCH(&second.Result()), nullptr);
    ComPtr<IDispatch> third = Activate(L"a.sldprt");
    EXPECT_TRUE(third);

    std::vector<std::string> created;
    for (const JournalEntry& entry : Journal()) {
        if (entry.event == "create")
            created.push_back(entry.object);
    }
    EXPECT_EQ(created, (std::vector<std::string>{"app1", "doc1"}));
}

TEST_F(StandinHost, ReleasingEveryReferenceEndsTheServerWithNothingLive) {
    ASSERT_NO_FATAL_FAILURE(StartServer(""));
    documents_.push_back(Activate(L"a.sldprt"));
    documents_.push_back(Activate(L"b.sldprt"));
    documents_.clear();
    app_.Reset();
    ASSERT_NO_FATAL_FAILURE(ExpectServerExit("live=0"));

    std::vector<JournalEntry> journal = Journal();
    ASSERT_FALSE(journal.empty());
    EXPECT_EQ(journal.front().event, "server-start");
    EXPECT_EQ(journal.back().event, "server-exit");
    std::map<std::string, std::string> lastCount;
    for (size_t i = 0; i < journal.size(); ++i) {
        EXPECT_EQ(journal[i].seq, i + 1);
        if (journal[i].event == "addref" || journal[i].event == "release")
            lastCount[journal[i].object] = journal[i].event + " " + journal[i].args;
    }
    EXPECT_EQ(lastCount, (std::map<std::string, std::string>{
                             {"app1", "release 0"}, {"doc1", "release 0"}, {"doc2", "release 0"}}));
}

TEST_F(StandinHost, ExitAppEndsTheServerOnlyAfterTheLastRelease) {
    ASSERT_NO_FATAL_FAILURE(StartServer(""));
    documents_.push_back(Activate(L"a.sldprt"));
    EXPECT_EQ(Invocation(app_.Get(), L"ExitApp").Run(), S_OK);
    Sleep(300);
    // Still serving: the program releases its references after ExitApp.
    EXPECT_EQ(Invocation(documents_[0].Get(), L"PrintDirect").Run(), S_OK);
    documents_.clear();
    app_.Reset();
    ASSERT_NO_FATAL_FAILURE(ExpectServerExit("live=0"));

    std::vector<JournalEntry> journal = Journal();
    auto exitRequested =
        std::find_if(journal.begin(), journal.end(), [](const JournalEntry& e) { return e.event == "exit-requested"; });
    ASSERT_NE(exitRequested, journal.end());
    EXPECT_EQ(exitRequested->object, "app1");
    auto lastRelease = std::find_if(journal.rbegin(), journal.rend(),
                                    [](const JournalEntry& e) { return e.event == "release" && e.object == "app1"; });
    ASSERT_NE(lastRelease, journal.rend());
    EXPECT_EQ(lastRelease->args, "0");
    EXPECT_GT(lastRelease->seq, exitRequested->seq);
}

TEST_F(StandinHost, ExitAppWithReferencesKeptEndsAfterTheExitWait) {
    ASSERT_NO_FATAL_FAILURE(StartServer("exit-wait 300\n"));
    EXPECT_EQ(Invocation(app_.Get(), L"ExitApp").Run(), S_OK);
    ASSERT_NO_FATAL_FAILURE(ExpectServerExit("live=1"));
    EXPECT_EQ(Invocation(app_.Get(), L"Visible").Bool(false).Run(), automation::kRpcEServerUnavailable);
}

TEST_F(StandinHost, DieInsideACallGivesCallFailedThenServerUnavailable) {
    ASSERT_NO_FATAL_FAILURE(StartServer("die PrintDirect 1\n"));
    ComPtr<IDispatch> doc = Activate(L"a.sldprt");
    ASSERT_TRUE(doc);
    EXPECT_EQ(Invocation(doc.Get(), L"PrintDirect").Run(), automation::kRpcECallFailed);
    EXPECT_EQ(Invocation(app_.Get(), L"Visible").Bool(false).Run(), automation::kRpcEServerUnavailable);
    std::vector<JournalEntry> journal = Journal();
    ASSERT_FALSE(journal.empty());
    EXPECT_EQ(journal.back().event, "call"); // journaled before dying, and nothing after
    EXPECT_EQ(journal.back().member, "PrintDirect");
    ASSERT_NO_FATAL_FAILURE(WaitForProcessEnd(LastServerPid(journal)));
    doc.Reset();
    app_.Reset();

    // The dead server revoked its class first, so the next client gets a fresh server at once.
    ASSERT_TRUE(session_.RemoveScenario());
    ASSERT_NO_FATAL_FAILURE(StartServer(""));
    EXPECT_EQ(Invocation(app_.Get(), L"Visible").Bool(false).Run(), S_OK);
    EXPECT_NE(LastServerPid(Journal()), LastServerPid(journal));
}

TEST_F(StandinHost, WindowScenarioShowsTitledWindowsWhileServing) {
    ASSERT_NO_FATAL_FAILURE(StartServer("window bracket.sldprt - SolidWorks Premium 2024\n"
                                        "hidden-window Hidden SolidWorks host\n"));
    HWND shown = FindWindowW(nullptr, L"bracket.sldprt - SolidWorks Premium 2024");
    HWND hidden = FindWindowW(nullptr, L"Hidden SolidWorks host");
    ASSERT_NE(shown, nullptr) << JournalText();
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(IsWindowVisible(shown));
    EXPECT_FALSE(IsWindowVisible(hidden));
    app_.Reset();
    ASSERT_NO_FATAL_FAILURE(ExpectServerExit("live=0"));
    EXPECT_EQ(FindWindowW(nullptr, L"bracket.sldprt - SolidWorks Premium 2024"), nullptr);
}

TEST_F(StandinHost, ServerStartedByHandShowsItsWindowAndServesTheNextClient) {
    ASSERT_TRUE(session_.WriteScenario("window part.sldprt - SolidWorks\n"));
    // Until it is ready a client would start a second server instead of reaching this one.
    const DWORD started = session_.LaunchServer();
    ASSERT_NE(started, 0u);
    ASSERT_NE(FindWindowW(nullptr, L"part.sldprt - SolidWorks"), nullptr);

    ASSERT_NO_FATAL_FAILURE(StartServer(""));
    EXPECT_EQ(Invocation(app_.Get(), L"Visible").Bool(false).Run(), S_OK);
    std::vector<JournalEntry> journal = Journal();
    EXPECT_EQ(
        std::count_if(journal.begin(), journal.end(), [](const JournalEntry& e) { return e.event == "server-start"; }),
        1);
    EXPECT_EQ(LastServerPid(journal), started);
    app_.Reset();
    ASSERT_NO_FATAL_FAILURE(ExpectServerExit("live=0"));
}

TEST_F(StandinHost, CallsOfAnotherShapeAreRefusedButJournaled) {
    ASSERT_NO_FATAL_FAILURE(StartServer(""));
    EXPECT_EQ(Invocation(app_.Get(), L"Visible").Run(), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Invocation(app_.Get(), L"UserControl").Bool(true).Run(DISPATCH_PROPERTYPUT), DISP_E_MEMBERNOTFOUND);
    std::vector<CallLine> expected = {{"app1", "Visible", "3", ""}, {"app1", "UserControl", "4", "11:-1"}};
    EXPECT_EQ(Calls(), expected);
}

TEST_F(StandinHost, DelayHoldsEveryCallOfItsMember) {
    ASSERT_NO_FATAL_FAILURE(StartServer("delay ViewZoomtofit 400\n"));
    ComPtr<IDispatch> doc = Activate(L"a.slddrw");
    ASSERT_TRUE(doc);
    for (int i = 0; i < 2; ++i) {
        DWORD start = GetTickCount();
        EXPECT_EQ(Invocation(doc.Get(), L"ViewZoomtofit").Run(), S_OK);
        EXPECT_GE(GetTickCount() - start, 390u);
    }
}

TEST_F(StandinHost, JournalLineMovesTheJournalAndBadLinesAreReported) {
    std::wstring custom = session_.Directory() + L"custom journal.txt";
    DeleteFileW(custom.c_str());
    ASSERT_NO_FATAL_FAILURE(StartServer("journal " + WideToUtf8(custom) + "\nfial PrintDirect 1 0x1\n"));
    session_.SetJournalPath(custom); // from here on the fixture reads and waits on the moved journal
    std::vector<JournalEntry> journal = Journal();
    ASSERT_GE(journal.size(), 2u) << JournalText();
    EXPECT_EQ(journal[0].event, "server-start");
    EXPECT_EQ(journal[1].event, "scenario-error");
    EXPECT_EQ(journal[1].args, "line=2;unknown keyword 'fial'");
    EXPECT_EQ(ReadWholeFile(session_.Directory() + kDefaultJournalFileName).value_or(""), "");
    app_.Reset();
    ASSERT_NO_FATAL_FAILURE(ExpectServerExit("live=0"));
    DeleteFileW(custom.c_str());
}

} // namespace
} // namespace standin
