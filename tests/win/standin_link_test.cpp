// The automation link against the stand-in host in its own process: CreateAutomationObject and
// CallAutomationMethod go through Wine's COM and its IDispatch marshalling, and the stand-in's journal
// shows what arrived. Each test starts one server (about a second under Wine), so related cases share
// a test.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "automation/automation.h"
#include "automation/host_members.h"
#include "automation/status_codes.h"
#include "automation/win/com_platform.h"
#include "base/win/owners.h"
#include "standin_fixture.h"

using namespace automation;
using standin::CallLine;
using standin::JournalEntry;
using standin::StandinSession;

namespace {

// What a call raised, by the most derived failure class of the link.
enum class Raised { Nothing, EOleError, EOleSysError, EOleException, SomethingElse };

struct Outcome {
    Raised raised = Raised::Nothing;
    std::string message;
    int32_t errorCode = 0; // EOleSysError and EOleException only

    bool operator==(const Outcome& other) const {
        return raised == other.raised && message == other.message && errorCode == other.errorCode;
    }
};

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
    static const char* const names[] = {"nothing", "EOleError", "EOleSysError", "EOleException", "something else"};
    return out << names[static_cast<int>(outcome.raised)] << " \"" << outcome.message << "\" code 0x" << std::hex
               << static_cast<uint32_t>(outcome.errorCode) << std::dec;
}

Outcome OutcomeOf(const std::function<void()>& call) {
    try {
        call();
        return {};
    } catch (const EOleException& e) {
        return {Raised::EOleException, e.Message, e.ErrorCode};
    } catch (const EOleSysError& e) {
        return {Raised::EOleSysError, e.Message, e.ErrorCode};
    } catch (const EOleError& e) {
        return {Raised::EOleError, e.Message, 0};
    } catch (...) {
        return {Raised::SomethingElse, "", 0};
    }
}

// A status failure as the link builds it: the platform's text for the code.
Outcome SysError(int32_t status) {
    return {Raised::EOleSysError, OleStatusMessage(status), status};
}

// The sequence number of an object's last release line; 0 when it has none.
uint64_t LastReleaseSeq(const std::vector<JournalEntry>& journal, const std::string& object) {
    uint64_t seq = 0;
    for (const JournalEntry& entry : journal) {
        if (entry.event == "release" && entry.object == object)
            seq = entry.seq;
    }
    return seq;
}

class StandinLink : public standin::StandinFixture {
protected:
    static void SetUpTestSuite() { win::InstallComPlatform(); }

    void ReleaseReferences() override {
        doc_.Clear();
        app_.Clear();
    }

    // Writes the scenario (none when empty) and reaches the host as the print run does.
    void Start(const std::string& scenario) {
        ASSERT_NO_FATAL_FAILURE(BeginServer(scenario));
        app_ = Variant(CreateAutomationObject(automation::kProgId));
        ASSERT_EQ(app_.Type(), kVtDispatch);
    }

    Variant app_; // varHostApp
    Variant doc_; // varActiveDoc
};

TEST_F(StandinLink, EveryArgumentKindArrivesTypedAndValuedAndTheHostsIntegerWriteComesBack) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    int32_t openError = -5;
    CallAutomationMethod(app_, automation::kUserControl.name, true);
    CallAutomationMethod(app_, automation::kVisible.name, false);
    // The 8-bit path goes out through the ANSI code page; the journal shows it as UTF-8, escaped.
    CallAutomationMethod(app_, automation::kOpenDocSilent.name, "c:\\teile\\b\xFCgel;1%.sldprt", int32_t{2},
                         &openError);
    CallAutomationMethod(app_, automation::kExitApp.name);
    EXPECT_EQ(openError, 7) << "the host's default open error, written through the integer reference";

    const std::vector<CallLine> expected = {
        {"app1", automation::kUserControl.name, "1", "11:-1"},
        {"app1", automation::kVisible.name, "1", "11:0"},
        {"app1", automation::kOpenDocSilent.name, "1", "8:c:\\teile\\b\xC3\xBCgel%3B1%25.sldprt;3:2;16387:-5"},
        {"app1", automation::kExitApp.name, "3", ""},
    };
    EXPECT_EQ(session_.Calls(), expected);
}

TEST_F(StandinLink, DocumentReferencesTakeCallsAndAreEachGivenBackOnceDocumentBeforeApplication) {
    ASSERT_NO_FATAL_FAILURE(Start("activate-empty 3\n"));
    doc_ = CallAutomationMethod(app_, automation::kActivateDoc.name, "c:\\a.sldprt");
    ASSERT_EQ(doc_.Type(), kVtDispatch);
    CallAutomationMethod(doc_, automation::kShowNamedView.name, automation::kIsometricViewName);
    CallAutomationMethod(doc_, automation::kViewZoomtofit.name);

    // Replacing the reference gives the first document back while the second one is live.
    doc_ = CallAutomationMethod(app_, automation::kActivateDoc.name, "c:\\b.slddrw");
    ASSERT_EQ(doc_.Type(), kVtDispatch);
    EXPECT_EQ(StandinSession::LastReferenceCounts(session_.Journal()).at("doc1"), 0u);
    CallAutomationMethod(doc_, automation::kPrintDirect.name);

    // An empty result is no target: the next call fails before anything reaches the host.
    const Variant empty = CallAutomationMethod(app_, automation::kActivateDoc.name, "c:\\c.sldasm");
    EXPECT_EQ(empty.Type(), kVtEmpty);
    const size_t linesBefore = session_.Journal().size();
    EXPECT_EQ(OutcomeOf([&] { CallAutomationMethod(empty, automation::kPrintDirect.name); }),
              (Outcome{Raised::EOleError, kNotAnAutomationObject, 0}));
    EXPECT_EQ(session_.Journal().size(), linesBefore);

    doc_.Clear();
    app_.Clear();
    ASSERT_NO_FATAL_FAILURE(ExpectServerExit("live=0"));
    const std::vector<JournalEntry> journal = session_.Journal();
    const std::vector<CallLine> expected = {
        {"app1", automation::kActivateDoc.name, "1", "8:c:\\a.sldprt"},
        {"doc1", automation::kShowNamedView.name, "1", "8:*Isometric"},
        {"doc1", automation::kViewZoomtofit.name, "3", ""},
        {"app1", automation::kActivateDoc.name, "1", "8:c:\\b.slddrw"},
        {"doc2", automation::kPrintDirect.name, "3", ""},
        {"app1", automation::kActivateDoc.name, "1", "8:c:\\c.sldasm"},
    };
    EXPECT_EQ(StandinSession::Calls(journal), expected);
    EXPECT_EQ(StandinSession::LastReferenceCounts(journal),
              (std::map<std::string, uint32_t>{{"app1", 0}, {"doc1", 0}, {"doc2", 0}}));
    EXPECT_LT(LastReleaseSeq(journal, "doc2"), LastReleaseSeq(journal, "app1"));
}

TEST_F(StandinLink, TwoReferencesAreOneObjectExactlyWhenTheHostHandsOutItsObjectAgain) {
    ASSERT_NO_FATAL_FAILURE(Start("one-app\n"));
    const Variant again(CreateAutomationObject(automation::kProgId));
    doc_ = CallAutomationMethod(app_, automation::kActivateDoc.name, "a.sldprt");
    EXPECT_TRUE(SameObject(again, app_));
    EXPECT_FALSE(SameObject(doc_, app_));
}

TEST_F(StandinLink, HostFailuresArriveAsTheirClassesWithTrimmedMessagesAndCodes) {
    ASSERT_NO_FATAL_FAILURE(Start("open-error -3\n"
                                  "fail OpenDocSilent 1 0x80004005\n"
                                  "fail Visible 1 0x1\n"
                                  "raise PrintDirect 1 0x80041234 Printer jammed.\\r\\n\n"
                                  "unknown ExitApp\n"));
    int32_t openError = 99;
    EXPECT_EQ(
        OutcomeOf([&] { CallAutomationMethod(app_, automation::kOpenDocSilent.name, "a.sldprt", 1, &openError); }),
        SysError(kEFail));
    EXPECT_EQ(openError, -3) << "what the host wrote before failing stays with the caller";
    int32_t secondOpenError = 0;
    CallAutomationMethod(app_, automation::kOpenDocSilent.name, "a.sldprt", 1, &secondOpenError);
    EXPECT_EQ(secondOpenError, -3);

    EXPECT_EQ(OutcomeOf([&] { CallAutomationMethod(app_, automation::kVisible.name, false); }), SysError(1))
        << "a positive status is a failure too";

    doc_ = CallAutomationMethod(app_, automation::kActivateDoc.name, "a.sldprt");
    try {
        CallAutomationMethod(doc_, automation::kPrintDirect.name);
        ADD_FAILURE() << "PrintDirect raised nothing";
    } catch (const EOleException& e) {
        EXPECT_EQ(e.Message, "Printer jammed");
        EXPECT_EQ(e.ErrorCode, Hr(0x80041234));
        EXPECT_EQ(e.Source, "Stand-in host");
    }

    EXPECT_EQ(OutcomeOf([&] { CallAutomationMethod(app_, automation::kExitApp.name); }),
              (Outcome{Raised::EOleError, "Method 'ExitApp' not supported by automation object", 0}));

    // The failures took nothing away: the same references still answer.
    CallAutomationMethod(app_, automation::kUserControl.name, true);
    CallAutomationMethod(doc_, automation::kPrintDirect.name);

    const std::vector<JournalEntry> journal = session_.Journal();
    std::vector<std::string> unknown;
    for (const JournalEntry& entry : journal) {
        if (entry.event == "unknown")
            unknown.push_back(entry.object + " " + entry.member);
    }
    EXPECT_EQ(unknown, std::vector<std::string>{"app1 ExitApp"});
    std::vector<std::string> called;
    for (const CallLine& call : StandinSession::Calls(journal))
        called.push_back(call.object + " " + call.member);
    EXPECT_EQ(called,
              (std::vector<std::string>{"app1 OpenDocSilent", "app1 OpenDocSilent", "app1 Visible", "app1 ActivateDoc",
                                        "doc1 PrintDirect", "app1 UserControl", "doc1 PrintDirect"}));
}

TEST_F(StandinLink, KilledHostGivesServerUnavailableOnEveryReferenceWithoutHanging) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    doc_ = CallAutomationMethod(app_, automation::kActivateDoc.name, "a.sldprt");
    CallAutomationMethod(app_, automation::kVisible.name, false);
    ASSERT_TRUE(session_.KillServer());
    exitChecked_ = true; // a killed server journals no exit

    const DWORD start = GetTickCount();
    EXPECT_EQ(OutcomeOf([&] { CallAutomationMethod(app_, automation::kVisible.name, false); }),
              SysError(kRpcEServerUnavailable));
    EXPECT_EQ(OutcomeOf([&] { CallAutomationMethod(doc_, automation::kPrintDirect.name); }),
              SysError(kRpcEServerUnavailable));
    doc_.Clear();
    app_.Clear();
    EXPECT_LT(GetTickCount() - start, 5000u) << "the calls and releases on dead proxies return at once";

    // The next Print reaches a fresh host rather than the dead one's leftovers.
    const uint32_t killed = session_.LastServerPid();
    ASSERT_NO_FATAL_FAILURE(Start(""));
    CallAutomationMethod(app_, automation::kVisible.name, false);
    EXPECT_NE(session_.LastServerPid(), killed);
}

TEST_F(StandinLink, HostDyingInsideACallGivesCallFailedThenServerUnavailable) {
    ASSERT_NO_FATAL_FAILURE(Start("die PrintDirect 1\n"));
    doc_ = CallAutomationMethod(app_, automation::kActivateDoc.name, "a.sldprt");
    EXPECT_EQ(OutcomeOf([&] { CallAutomationMethod(doc_, automation::kPrintDirect.name); }), SysError(kRpcECallFailed));
    EXPECT_EQ(OutcomeOf([&] { CallAutomationMethod(app_, automation::kVisible.name, false); }),
              SysError(kRpcEServerUnavailable));
    exitChecked_ = true; // it died inside the call
    EXPECT_TRUE(StandinSession::WaitForProcessEnd(session_.LastServerPid()));
}

} // namespace
