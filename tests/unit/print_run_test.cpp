#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <tuple>

#include "batch/print_run.h"
#include "fake_automation.h"

using namespace automation;
using batch::DisplayChoice;
using batch::HostOwner;
using fakes::FakeFactory;
using fakes::FakeObject;
using Timeline = std::vector<std::string>;

namespace {

// The main window as the run sees it; status texts and pauses go into the shared timeline.
class RecordingView : public batch::PrintRunView, public batch::StatusLine {
public:
    explicit RecordingView(std::shared_ptr<fakes::CallLog> log) : log_(std::move(log)) {}

    int EntryCount() override { return static_cast<int>(entries.size()); }
    // ASCII letters only: the system's rules beyond ASCII are base::win::AnsiLower's, tested under Wine.
    std::string LowerCaseEntry(int index) override {
        if (failEntry == index)
            throw std::bad_alloc();
        std::string lower = entries.at(static_cast<size_t>(index));
        for (char& c : lower)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        return lower;
    }
    bool DisplayChosen(DisplayChoice choice) override { return choice == display; }
    bool Isometric() override { return isometric; }
    bool ZoomToFit() override { return zoom; }
    bool Preview() override { return preview; }
    bool KeepGoing() override { return keepGoing; }
    bool StopRequested() override { return stop(); }
    void SetStatus(const std::string& text) override {
        status = text;
        log_->timeline.push_back("status:" + text);
    }
    void Pause(uint32_t ms) override { log_->timeline.push_back("pause:" + std::to_string(ms)); }
    bool HostWindowExists() override { return hostWindow(); }

    std::vector<std::string> entries;
    DisplayChoice display = DisplayChoice::HiddenVisible;
    bool isometric = false, zoom = false, preview = false, keepGoing = false;
    std::function<bool()> stop = [] { return false; }; // Esc pressed by now
    int failEntry = -1;
    std::string status = "Welcome to Vantrel";
    std::function<bool()> hostWindow = [] { return false; };

private:
    std::shared_ptr<fakes::CallLog> log_;
};

// What the run tells the taskbar, in the same timeline.
class RecordingProgress : public batch::RunProgress {
public:
    explicit RecordingProgress(std::shared_ptr<fakes::CallLog> log) : log_(std::move(log)) {}
    void RunStarted(int count) noexcept override {
        log_->timeline.push_back("progress:start " + std::to_string(count));
    }
    void DocumentStarted(int number, int count) noexcept override {
        log_->timeline.push_back("progress:" + std::to_string(number) + "/" + std::to_string(count));
    }
    void RunEnded(batch::RunEnd end) noexcept override {
        log_->timeline.push_back(end == batch::RunEnd::Succeeded ? "progress:ok"
                                 : end == batch::RunEnd::Failed  ? "progress:failed"
                                                                 : "progress:stopped");
    }

private:
    std::shared_ptr<fakes::CallLog> log_;
};

struct PrintRunTest : ::testing::Test {
    std::shared_ptr<fakes::CallLog> log = std::make_shared<fakes::CallLog>();
    FakeObject doc{"doc", log}; // first, so it outlives the scripted answers of the hosts that return it
    FakeObject app{"app", log};
    FakeObject app2{"app2", log};
    FakeFactory factory;
    fakes::ScopedPlatform platform{&factory};
    RecordingView view{log};
    Variant hostApp, activeDoc;
    HostOwner hostOwner = HostOwner::Vantrel;

    PrintRunTest() {
        factory.objects = {&app, &app2};
        app.Return("ActivateDoc", Variant(ObjectPtr::Share(&doc)));
        app2.Return("ActivateDoc", Variant(ObjectPtr::Share(&doc)));
    }
    // The run's calls and texts; what it tells the taskbar has tests of its own.
    batch::RunOutcome Run() {
        struct : batch::RunProgress {
            void RunStarted(int) noexcept override {}
            void DocumentStarted(int, int) noexcept override {}
            void RunEnded(batch::RunEnd) noexcept override {}
        } unshown;
        return batch::RunPrintBatch(view, view, hostApp, hostOwner, activeDoc, unshown);
    }

    // The timeline of one document from Open to Close, with the given steps between Activate and Print.
    static Timeline Document(const std::string& path, int type, const Timeline& viewSteps, bool preview = false) {
        Timeline t = {"status:Opening " + path,
                      "app.OpenDocSilent(8:" + path + ",3:" + std::to_string(type) + ",16387)",
                      "status:Activating " + path, "app.ActivateDoc(8:" + path + ")"};
        t.insert(t.end(), viewSteps.begin(), viewSteps.end());
        if (preview)
            t.insert(t.end(), {"status:Previewing " + path, "doc.PrintPreview()"});
        else
            t.insert(t.end(), {"status:Printing " + path, "doc.PrintDirect()"});
        t.insert(t.end(), {"pause:5000", "status:Closing " + path, "app.QuitDoc(8:" + path + ")"});
        return t;
    }
    static Timeline Start() {
        return {"status:Connecting to SolidWorks...", "app.UserControl(11:-1)", "app.Visible(11:0)"};
    }
    static Timeline Join(std::initializer_list<Timeline> parts) {
        Timeline all;
        for (const auto& p : parts)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    }
};

TEST_F(PrintRunTest, EmptyListDoesNothingAtAll) {
    hostApp = Variant(ObjectPtr::Share(&app2));
    Run();
    EXPECT_TRUE(log->timeline.empty());
    EXPECT_TRUE(factory.progIds.empty());
    EXPECT_EQ(view.status, "Welcome to Vantrel");
    EXPECT_EQ(hostApp.Object(), &app2);
}

TEST_F(PrintRunTest, PartWithTheStartingOptionsIsWireframedPrintedPausedAndClosed) {
    view.entries = {"C:\\Parts\\Bracket.SLDPRT"};
    Run();
    const std::string p = "c:\\parts\\bracket.sldprt";
    EXPECT_EQ(
        log->timeline,
        Join({Start(), Document(p, 1, {"status:Applying hidden lines from " + p, "doc.ViewDisplayWireframe()"})}));
    EXPECT_EQ(factory.progIds, std::vector<std::string>{"SldWorks.Application"});
    EXPECT_EQ(view.status, "Closing " + p) << "nothing is written after the last document";
    EXPECT_EQ(hostApp.Object(), &app);
    EXPECT_EQ(activeDoc.Object(), &doc) << "the last document stays referenced after the run";
}

struct DisplayCase {
    DisplayChoice choice;
    const char* status;
    const char* member;
};

TEST_F(PrintRunTest, EachDisplayChoiceGivesOneDisplayCallToPartsAndAssembliesOnly) {
    const DisplayCase cases[] = {
        {DisplayChoice::HiddenVisible, "Applying hidden lines from ", "ViewDisplayWireframe"},
        {DisplayChoice::HiddenGrayed, "Graying hidden lines from ", "ViewDisplayHiddengreyed"},
        {DisplayChoice::HiddenRemoved, "Removing hidden lines from ", "ViewDisplayHiddenRemoved"},
        {DisplayChoice::Shaded, "Shading ", "ViewDisplayShaded"},
    };
    for (const auto& c : cases) {
        log->timeline.clear();
        factory.next = 0;
        view.display = c.choice;
        // Sorted as the list box holds them.
        view.entries = {"c:\\a.sldasm", "c:\\b.slddrw", "c:\\c.prt"};
        Run();
        auto display = [&](const std::string& p) {
            return Timeline{"status:" + std::string(c.status) + p, "doc." + std::string(c.member) + "()"};
        };
        EXPECT_EQ(log->timeline,
                  Join({Start(), Document("c:\\a.sldasm", 2, display("c:\\a.sldasm")), Document("c:\\b.slddrw", 3, {}),
                        Document("c:\\c.prt", 1, display("c:\\c.prt"))}))
            << c.member;
    }
}

TEST_F(PrintRunTest, DrawingGetsZoomAndPrintButNoIsometricOrDisplay) {
    view.entries = {"d:\\Sheet.DRW"};
    view.isometric = view.zoom = true;
    view.display = DisplayChoice::Shaded;
    Run();
    const std::string p = "d:\\sheet.drw";
    EXPECT_EQ(log->timeline, Join({Start(), Document(p, 3, {"status:Zooming to fit " + p, "doc.ViewZoomtofit()"})}));
}

TEST_F(PrintRunTest, IsometricViewComesFirstWithoutAStatusText) {
    view.entries = {"e:\\gear.asm"};
    view.isometric = view.zoom = true;
    view.display = DisplayChoice::HiddenRemoved;
    Run();
    const std::string p = "e:\\gear.asm";
    EXPECT_EQ(log->timeline,
              Join({Start(), Document(p, 2,
                                      {"doc.ShowNamedView(8:*Isometric)", "status:Removing hidden lines from " + p,
                                       "doc.ViewDisplayHiddenRemoved()", "status:Zooming to fit " + p,
                                       "doc.ViewZoomtofit()"})}));
}

TEST_F(PrintRunTest, PreviewReplacesPrintingForEveryDocument) {
    view.entries = {"a.slddrw", "b.slddrw"};
    view.preview = true;
    Run();
    EXPECT_EQ(log->timeline, Join({Start(), Document("a.slddrw", 3, {}, true), Document("b.slddrw", 3, {}, true)}));
}

TEST_F(PrintRunTest, ClassificationTakesTheLastMatchAnywhereInThePath) {
    EXPECT_EQ(batch::ClassifyDocument("c:\\work.drw\\base.sldprt", 0), 3);
    EXPECT_EQ(batch::ClassifyDocument("c:\\x.asm.prt", 0), 2);
    EXPECT_EQ(batch::ClassifyDocument("c:\\x.sldprt", 3), 1);
    EXPECT_EQ(batch::ClassifyDocument("c:\\notes.txt", 2), 2) << "no match keeps the held code";
    EXPECT_EQ(batch::ClassifyDocument("", 0), 0);
    EXPECT_EQ(batch::ClassifyDocument("c:\\x.PRT", 0), 0) << "the test runs on the lower-cased path";
}

TEST_F(PrintRunTest, PathsWithoutKnownExtensionKeepTheHeldCodeAndAreStillPrinted) {
    // The empty entry sorts first, so it is opened with the code held before any document: 0.
    view.entries = {"", "c:\\a.sldasm", "c:\\readme"};
    Run();
    EXPECT_EQ(log->timeline,
              Join({Start(), Document("", 0, {}),
                    Document("c:\\a.sldasm", 2,
                             {"status:Applying hidden lines from c:\\a.sldasm", "doc.ViewDisplayWireframe()"}),
                    Document("c:\\readme", 2,
                             {"status:Applying hidden lines from c:\\readme", "doc.ViewDisplayWireframe()"})}));
}

TEST_F(PrintRunTest, TheLowerCaseEntryReachesHostAndStatusWithItsLettersBeyondAscii) {
    view.entries = {"C:\\\xE9T\xE9\\P.SLDPRT"};
    Run();
    EXPECT_EQ(log->calls.at(2).args.at(0).text, "c:\\\xE9t\xE9\\p.sldprt");
    EXPECT_EQ(view.status, "Closing c:\\\xE9t\xE9\\p.sldprt");
}

TEST_F(PrintRunTest, VeryLongPathsReachTheHostAndTheStatusLineWhole) {
    const std::string folder = "C:\\" + std::string(5000, 'D') + "\\";
    view.entries = {folder + "P.SLDPRT"};
    Run();
    const std::string lower = "c:\\" + std::string(5000, 'd') + "\\p.sldprt";
    EXPECT_EQ(log->calls.at(2).args.at(0).text, lower);
    EXPECT_EQ(log->calls.back().args.at(0).text, lower);
    EXPECT_EQ(view.status, "Closing " + lower);
}

TEST_F(PrintRunTest, AFailureAtAnyStepEndsTheRunThereWithItsText) {
    const char* members[] = {"OpenDocSilent", "ActivateDoc", "ViewDisplayShaded",
                             "ViewZoomtofit", "PrintDirect", "QuitDoc"};
    for (const char* member : members) {
        log->timeline.clear();
        factory.next = 0;
        app.On(member, nullptr);
        FakeObject& target = std::string(member) == "OpenDocSilent" || std::string(member) == "ActivateDoc" ||
                                     std::string(member) == "QuitDoc"
                                 ? app
                                 : doc;
        target.Raise(member, Hr(0x80040010), "No such document.");
        view.entries = {"a.sldprt", "b.sldprt"};
        view.display = DisplayChoice::Shaded;
        view.zoom = true;
        Run();
        EXPECT_EQ(view.status, "OLE Error:  No such document(-2147221488)") << member;
        const std::string failed = std::string(".") + member + "(";
        ASSERT_GE(log->timeline.size(), 2u);
        EXPECT_EQ(log->timeline.back(), "status:" + view.status);
        EXPECT_NE(log->timeline[log->timeline.size() - 2].find(failed), std::string::npos)
            << "the failing call is the last one";
        for (const auto& e : log->timeline)
            EXPECT_EQ(e.find("b.sldprt"), std::string::npos) << "the next document is not touched: " << e;
        target.On(member, nullptr);
        if (std::string(member) == "ActivateDoc")
            app.Return("ActivateDoc", Variant(ObjectPtr::Share(&doc)));
    }
}

TEST_F(PrintRunTest, FailureAtTheThirdOfFiveDocumentsLeavesItOpenAndTheRestUntouched) {
    int opens = 0;
    app.On("OpenDocSilent",
           [&](fakes::RecordedCall&, Variant&, ErrorRecord&) { return ++opens == 3 ? Hr(0x800706BE) : 0; });
    view.entries = {"1.prt", "2.prt", "3.prt", "4.prt", "5.prt"};
    view.display = DisplayChoice::Shaded;
    EXPECT_EQ(Run().failedDocuments, std::vector<int>{2});
    auto shaded = [](const std::string& p) { return Timeline{"status:Shading " + p, "doc.ViewDisplayShaded()"}; };
    EXPECT_EQ(log->timeline, Join({Start(),
                                   Document("1.prt", 1, shaded("1.prt")),
                                   Document("2.prt", 1, shaded("2.prt")),
                                   {"status:Opening 3.prt", "app.OpenDocSilent(8:3.prt,3:1,16387)",
                                    "status:OLE Error:  OLE error 800706BE(-2147023170)"}}));
}

TEST_F(PrintRunTest, RefusedUserControlOrVisibleEndsBeforeTheFirstDocument) {
    for (const char* member : {"UserControl", "Visible"}) {
        log->timeline.clear();
        factory.next = 0;
        app.On("UserControl", nullptr);
        app.Fail(member, Hr(0x80020005));
        view.entries = {"a.prt"};
        EXPECT_TRUE(Run().failedDocuments.empty());
        EXPECT_EQ(view.status, "OLE Error:  OLE error 80020005(-2147352571)");
        EXPECT_EQ(hostApp.Object(), &app) << "the new host object is kept";
        EXPECT_EQ(log->timeline.front(), "status:Connecting to SolidWorks...");
        app.On(member, nullptr);
    }
}

TEST_F(PrintRunTest, EmptyActivateResultEndsTheRunWithoutContactingTheHost) {
    app.Return("ActivateDoc", Variant());
    view.entries = {"a.prt"};
    Run();
    EXPECT_EQ(view.status, "OLE Error:  Variant does not reference an automation object");
    EXPECT_TRUE(activeDoc.IsEmpty());
    EXPECT_EQ(log->timeline.back(), "status:OLE Error:  Variant does not reference an automation object");
    EXPECT_EQ(log->timeline.at(log->timeline.size() - 2), "status:Applying hidden lines from a.prt");
}

TEST_F(PrintRunTest, NonAutomationFailureIsAnUnknownError) {
    view.entries = {"a.prt", "b.prt"};
    view.failEntry = 1;
    Run();
    EXPECT_EQ(view.status, "OLE Error:  unknown error");
}

TEST_F(PrintRunTest, SecondRunReplacesTheHostReleasingTheFirstOnce) {
    const int scriptedDocRefs = doc.Refs(); // held by the scripted ActivateDoc answers
    view.entries = {"a.prt"};
    Run();
    EXPECT_EQ(app.Refs(), 1);
    Run();
    EXPECT_EQ(app.Refs(), 0) << "the first host object is given back exactly once";
    EXPECT_EQ(app2.Refs(), 1);
    EXPECT_EQ(hostApp.Object(), &app2);
    EXPECT_EQ(doc.Refs(), scriptedDocRefs + 1) << "only the last activated document stays held";
    EXPECT_EQ(std::count(log->timeline.begin(), log->timeline.end(), "status:Connecting to SolidWorks..."), 2);
}

TEST_F(PrintRunTest, HostThatCannotBeCreatedLeavesTheEarlierOneInPlace) {
    hostApp = Variant(ObjectPtr::Share(&app2));
    factory.createStatus = Hr(0x80080005);
    view.entries = {"a.prt"};
    Run();
    EXPECT_EQ(view.status, "OLE Error:  OLE error 80080005(-2146959355)");
    EXPECT_EQ(hostApp.Object(), &app2);
    EXPECT_EQ(log->timeline,
              Timeline({"status:Connecting to SolidWorks...", "status:OLE Error:  OLE error 80080005(-2146959355)"}));
}

TEST_F(PrintRunTest, AHostWindowBeforeConnectingMakesANewHostTheUsersShownAgainHoweverTheRunEnds) {
    const HostOwner mine = HostOwner::Vantrel, users = HostOwner::User;
    // {host window before connecting, object held (the run gets app), its owner, a member that fails; owner after}
    const std::tuple<bool, FakeObject*, HostOwner, std::string, HostOwner> cases[] = {
        {false, nullptr, mine, "", mine},
        {true, &app2, mine, "", users},
        {true, &app, mine, "QuitDoc", mine},
        {false, &app, users, "", users},
        {true, nullptr, mine, "UserControl", users}};
    view.entries = {"a.slddrw"};
    // Whoever is shown again has gone meanwhile, which changes nothing for the user.
    app.On("Visible",
           [](fakes::RecordedCall& c, Variant&, ErrorRecord&) { return c.args[0].boolValue ? Hr(0x800706BA) : 0; });
    for (const auto& [windowBefore, held, heldOwner, failing, expected] : cases) {
        factory.next = 0;
        app.Fail(failing, Hr(0x80020005)); // "" fails nothing
        // The host shows its window as it starts: a scan after connecting would find one every time.
        view.hostWindow = [&, before = windowBefore] { return before || factory.next > 0; };
        hostApp = held ? Variant(ObjectPtr::Share(held)) : Variant();
        hostOwner = heldOwner;
        Run();
        EXPECT_EQ(hostOwner, expected);
        EXPECT_EQ(view.status, failing.empty() ? "Closing a.slddrw" : "OLE Error:  OLE error 80020005(-2147352571)");
        EXPECT_EQ(log->timeline.back() == "app.Visible(11:-1)", expected == users) << "shown again, after the text";
        app.On(failing, nullptr);
    }
}

TEST_F(PrintRunTest, ProgressHearsTheStartEachDocumentBeforeItsOpenAndTheEndAfterTheLastClose) {
    RecordingProgress progress(log);
    batch::RunPrintBatch(view, view, hostApp, hostOwner, activeDoc, progress);
    EXPECT_TRUE(log->timeline.empty()) << "an empty list is no run";

    view.entries = {"a.slddrw", "b.slddrw"};
    batch::RunPrintBatch(view, view, hostApp, hostOwner, activeDoc, progress);
    EXPECT_EQ(log->timeline, Join({{"progress:start 2"},
                                   Start(),
                                   {"progress:1/2"},
                                   Document("a.slddrw", 3, {}),
                                   {"progress:2/2"},
                                   Document("b.slddrw", 3, {}),
                                   {"progress:ok"}}));
}

TEST_F(PrintRunTest, ProgressHearsOfAFailureAfterItsTextWhereverTheRunStops) {
    RecordingProgress progress(log);
    view.entries = {"a.prt", "b.prt"};
    factory.createStatus = Hr(0x80080005);
    batch::RunPrintBatch(view, view, hostApp, hostOwner, activeDoc, progress);
    EXPECT_EQ(log->timeline, Timeline({"progress:start 2", "status:Connecting to SolidWorks...",
                                       "status:OLE Error:  OLE error 80080005(-2146959355)", "progress:failed"}));

    log->timeline.clear();
    factory.createStatus = 0;
    view.failEntry = 1;
    batch::RunPrintBatch(view, view, hostApp, hostOwner, activeDoc, progress);
    EXPECT_EQ(std::vector<std::string>(log->timeline.end() - 3, log->timeline.end()),
              Timeline({"progress:2/2", "status:OLE Error:  unknown error", "progress:failed"}));
}

TEST_F(PrintRunTest, KeepGoingGoesPastADocumentsOwnFailureClosingItIfOpenedButTheHostGoneEndsTheRun) {
    const int32_t no = Hr(0x80040010);
    // {calls that fail, "object.member", with their statuses; the status line at the end; QuitDoc calls;
    // the documents the summary box lists}
    const std::tuple<std::string, int32_t, std::string, int32_t, std::string, long, size_t> cases[] = {
        {"app.OpenDocSilent", no, "", 0, "Printed 0 of 2 documents; 2 failed", 0, 2},
        {"doc.ViewDisplayWireframe", no, "", 0, "Printed 1 of 2 documents; 1 failed", 2, 1},
        {"app.QuitDoc", no, "", 0, "Printed 0 of 2 documents; 2 failed", 2, 2},
        {"doc.PrintDirect", no, "app.QuitDoc", no, "Printed 0 of 2 documents; 2 failed", 2, 2},
        {"doc.ViewDisplayWireframe", no, "doc.PrintDirect", Hr(0x800706BA),
         "OLE Error:  OLE error 800706BA(-2147023174)", 1, 2},
        {"app.OpenDocSilent", Hr(0x80010108), "", 0, "OLE Error:  OLE error 80010108(-2147417848)", 0, 0},
        {"app.QuitDoc", Hr(0x800706BE), "", 0, "OLE Error:  OLE error 800706BE(-2147023170)", 1, 0},
        {"app.ActivateDoc", Hr(0x800401FD), "", 0, "OLE Error:  OLE error 800401FD(-2147220995)", 0, 0},
        {"app.Visible", no, "", 0, "OLE Error:  OLE error 80040010(-2147221488)", 0, 0}};
    const auto fail = [&](const std::string& call, int32_t status) {
        if (!call.empty())
            (call[0] == 'd' ? doc : app).Fail(call.substr(4), status);
    };
    view.keepGoing = true;
    view.entries = {"a.prt", "b.slddrw"}; // the drawing gets no display step
    for (const auto& [first, firstStatus, second, secondStatus, status, closes, listed] : cases) {
        log->calls.clear();
        factory.next = 0;
        fail(first, firstStatus);
        fail(second, secondStatus);
        const batch::RunOutcome outcome = Run();
        EXPECT_EQ(view.status, status) << first;
        const auto members = log->Members();
        EXPECT_EQ(std::count(members.begin(), members.end(), "app.QuitDoc"), closes) << first;
        EXPECT_EQ(batch::FailureSummaryText(outcome).empty() ? 0 : outcome.failureLines.size(), listed) << first;
        fail(first, 0);
        fail(second, 0);
        app.Return("ActivateDoc", Variant(ObjectPtr::Share(&doc)));
    }
    view.failEntry = 0; // a failure that is not the automation link's
    Run();
    EXPECT_EQ(view.status, "OLE Error:  unknown error");
}

TEST_F(PrintRunTest, TenThousandMostlyFailingEntriesAreAllNamedWhileTheSummaryListsTwentyAndHowManyMore) {
    view.keepGoing = view.preview = true;
    for (int i = 0; i < 10000; ++i)
        view.entries.push_back("d" + std::to_string(i) + ".slddrw");
    int opens = 0;
    app.On("OpenDocSilent", [&](auto&, auto&, auto&) { return ++opens % 100 == 0 ? 0 : Hr(0x80040010); });
    const batch::RunOutcome outcome = Run();
    EXPECT_EQ(view.status, "Previewed 100 of 10000 documents; 9900 failed");
    ASSERT_EQ(outcome.failedDocuments.size(), 9900u);
    EXPECT_EQ(outcome.failedDocuments[99], 100) << "the 100th went through";
    const std::string text = batch::FailureSummaryText(outcome);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);
    EXPECT_EQ(text.substr(0, text.find('\r')), "d0.slddrw: OLE Error:  OLE error 80040010(-2147221488)");
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), "... and 9880 more");
}

TEST_F(PrintRunTest, EscStopsTheRunBeforeTheNextDocumentOnceTheOneInHandIsClosed) {
    RecordingProgress progress(log);
    view.entries = {"a.slddrw", "b.slddrw", "c.slddrw"};
    // {Esc pressed once the timeline shows this ("": from the start); how the timeline ends}
    const std::pair<std::string, Timeline> cases[] = {
        {"", {"app.Visible(11:0)", "status:Stopped after 0 of 3 documents", "progress:stopped"}},
        {"pause:5000", {"app.QuitDoc(8:a.slddrw)", "status:Stopped after 1 of 3 documents", "progress:stopped"}},
        {"status:Opening c.slddrw", {"status:Closing c.slddrw", "app.QuitDoc(8:c.slddrw)", "progress:ok"}},
        // A run that went past a failure before the stop still lists it, and ends red.
        {"app.QuitDoc(8:a.slddrw)",
         {"app.QuitDoc(8:a.slddrw)", "status:Stopped after 1 of 3 documents", "progress:failed"}}};
    for (const auto& [pressedAt, end] : cases) {
        log->timeline.clear();
        factory.next = 0;
        view.stop = [&, at = pressedAt] {
            return at.empty() || std::find(log->timeline.begin(), log->timeline.end(), at) != log->timeline.end();
        };
        view.keepGoing = end.back() == "progress:failed";
        doc.Fail("PrintDirect", view.keepGoing ? Hr(0x80040010) : 0);
        const batch::RunOutcome outcome = batch::RunPrintBatch(view, view, hostApp, hostOwner, activeDoc, progress);
        EXPECT_EQ(Timeline(log->timeline.end() - 3, log->timeline.end()), end) << pressedAt;
        EXPECT_EQ(outcome.failureLines.size(), view.keepGoing ? 1u : 0u) << pressedAt;
    }
}

} // namespace
