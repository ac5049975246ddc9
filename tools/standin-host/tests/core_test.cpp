// The stand-in host's decisions without COM: scenario lines, call plans, journal lines, lifetime.
#include <gtest/gtest.h>

#include "call_plan.h"
#include "journal.h"
#include "lifetime.h"
#include "scenario.h"

namespace standin {
namespace {

constexpr uint16_t kMethod = 1;
constexpr uint16_t kMethodOrGet = 3;
constexpr uint16_t kPropertyPut = 4;

TEST(StandinScenario, RaiseKeepsDescriptionSpacingAndTurnsEscapesIntoLineEnds) {
    Scenario s = ParseScenario("raise PrintDirect 2 0x80041234 Printer  jammed.\\r\\n\n"
                               "raise QuitDoc 1 0x80004005 c:\\\\new\\parts\n");
    ASSERT_TRUE(s.errors.empty());
    ASSERT_EQ(s.faults.size(), 2u);
    EXPECT_EQ(s.faults[0].member, &automation::kPrintDirect);
    EXPECT_EQ(s.faults[0].nth, 2u);
    EXPECT_EQ(s.faults[0].kind, FaultKind::Raise);
    EXPECT_EQ(s.faults[0].status, static_cast<int32_t>(0x80041234));
    EXPECT_EQ(s.faults[0].description, "Printer  jammed.\r\n");
    // A doubled backslash is how a literal "\n" gets through; a lone "\p" stays as written.
    EXPECT_EQ(s.faults[1].description, "c:\\new\\parts");
}

TEST(StandinScenario, RaiseWithoutDescriptionGivesEmptyText) {
    Scenario s = ParseScenario("raise PrintPreview 1 0x80004005\n");
    ASSERT_TRUE(s.errors.empty());
    ASSERT_EQ(s.faults.size(), 1u);
    EXPECT_EQ(s.faults[0].description, "");
}

TEST(StandinScenario, FailTakesPositiveStatusAsWritten) {
    Scenario s = ParseScenario("fail Visible 1 0x1\nfail UserControl 3 0x80004005\n");
    ASSERT_EQ(s.faults.size(), 2u);
    EXPECT_EQ(s.faults[0].status, 1);
    EXPECT_EQ(s.faults[1].status, static_cast<int32_t>(0x80004005));
    EXPECT_EQ(s.faults[1].nth, 3u);
}

TEST(StandinScenario, MalformedLinesAreReportedWithTheirLineNumberAndIgnored) {
    Scenario s = ParseScenario("fial PrintDirect 1 0x1\n"
                               "fail PrintDirct 1 0x1\n"
                               "fail PrintDirect 0 0x1\n"
                               "fail PrintDirect 1 80004005\n"
                               "die PrintDirect 1 now\n"
                               "delay ViewZoomtofit soon\n"
                               "unknown exitapp\n"
                               "activate-empty\n"
                               "open-error 7x\n");
    EXPECT_TRUE(s.faults.empty());
    EXPECT_TRUE(s.refused.empty());
    EXPECT_TRUE(s.delays.empty());
    EXPECT_EQ(s.openError, kDefaultOpenError);
    ASSERT_EQ(s.errors.size(), 9u);
    EXPECT_EQ(s.errors[0].line, 1u);
    EXPECT_EQ(s.errors[0].reason, "unknown keyword 'fial'");
    EXPECT_EQ(s.errors[1].reason, "unknown member 'PrintDirct'");
    EXPECT_EQ(s.errors[2].reason, "call number must be 1 or more, not '0'");
    EXPECT_EQ(s.errors[3].reason, "status must be hexadecimal like 0x80004005, not '80004005'");
    EXPECT_EQ(s.errors[4].reason, "unexpected 'now'");
    EXPECT_EQ(s.errors[5].reason, "milliseconds must be a whole number, not 'soon'");
    // Member names are matched exactly, as GetIDsOfNames matches them.
    EXPECT_EQ(s.errors[6].reason, "unknown member 'exitapp'");
    EXPECT_EQ(s.errors[7].reason, "call number must be 1 or more, not ''");
    EXPECT_EQ(s.errors[8].line, 9u);
    EXPECT_EQ(s.errors[8].reason, "open-error must be a decimal integer, not '7x'");
}

TEST(StandinScenario, BomCommentsBlankLinesAndCrLfAreIgnored) {
    Scenario s = ParseScenario("\xEF\xBB\xBF# a comment\r\n\r\n   \r\n  # indented\r\n"
                               "open-error -3\r\n"
                               "one-app\r\n"
                               "journal Z:\\tmp\\my journal.txt  \r\n");
    EXPECT_TRUE(s.errors.empty());
    EXPECT_TRUE(s.oneApplication);
    EXPECT_EQ(s.openError, -3);
    EXPECT_EQ(s.journalPath, "Z:\\tmp\\my journal.txt");
}

TEST(StandinScenario, EmptyFileMeansDefaults) {
    Scenario s = ParseScenario("");
    EXPECT_EQ(s.openError, 7);
    EXPECT_EQ(s.exitWaitMilliseconds, 10000u);
    EXPECT_TRUE(s.journalPath.empty());
    EXPECT_TRUE(s.faults.empty());
    EXPECT_TRUE(s.windows.empty());
}

TEST(StandinScenario, WindowsKeepTitleAndVisibilityInOrder) {
    Scenario s = ParseScenario("window bracket.sldprt - SolidWorks Premium 2024\n"
                               "hidden-window  SolidWorks\t\n"
                               "window\n");
    ASSERT_EQ(s.windows.size(), 2u);
    EXPECT_EQ(s.windows[0].title, "bracket.sldprt - SolidWorks Premium 2024");
    EXPECT_TRUE(s.windows[0].visible);
    EXPECT_EQ(s.windows[1].title, "SolidWorks");
    EXPECT_FALSE(s.windows[1].visible);
    ASSERT_EQ(s.errors.size(), 1u);
    EXPECT_EQ(s.errors[0].reason, "window title missing");
}

TEST(StandinScenario, LaterDelayForTheSameMemberReplacesTheEarlier) {
    Scenario s = ParseScenario("delay PrintDirect 100\ndelay QuitDoc 5\ndelay PrintDirect 250\n");
    CallPlanner planner(s);
    EXPECT_EQ(planner.Plan(automation::kPrintDirect, 0, 0, kMethodOrGet).delayMilliseconds, 250u);
    EXPECT_EQ(planner.Plan(automation::kQuitDoc, 1, 0, kMethod).delayMilliseconds, 5u);
    EXPECT_EQ(planner.Plan(automation::kVisible, 1, 0, kMethod).delayMilliseconds, 0u);
}

TEST(StandinCallPlan, NthIsCountedPerMemberAcrossObjects) {
    Scenario s = ParseScenario("fail PrintDirect 2 0x80004005\n");
    CallPlanner planner(s);
    EXPECT_EQ(planner.Plan(automation::kPrintDirect, 0, 0, kMethodOrGet).action, CallAction::Perform);
    // Calls of other members do not move the PrintDirect count.
    EXPECT_EQ(planner.Plan(automation::kPrintPreview, 0, 0, kMethodOrGet).action, CallAction::Perform);
    CallPlan second = planner.Plan(automation::kPrintDirect, 0, 0, kMethodOrGet);
    EXPECT_EQ(second.nth, 2u);
    EXPECT_EQ(second.action, CallAction::ReturnStatus);
    EXPECT_EQ(second.status, static_cast<int32_t>(0x80004005));
    EXPECT_EQ(planner.Plan(automation::kPrintDirect, 0, 0, kMethodOrGet).action, CallAction::Perform);
}

TEST(StandinCallPlan, FirstMatchingLineWins) {
    Scenario s = ParseScenario("raise QuitDoc 1 0x80041001 Busy.\nfail QuitDoc 1 0x80004005\ndie QuitDoc 1\n");
    CallPlanner planner(s);
    CallPlan plan = planner.Plan(automation::kQuitDoc, 1, 0, kMethod);
    EXPECT_EQ(plan.action, CallAction::Raise);
    EXPECT_EQ(plan.status, static_cast<int32_t>(0x80041001));
    EXPECT_EQ(plan.description, "Busy.");
}

TEST(StandinCallPlan, CallsOfAnotherShapeAreRefusedBeforeAnyFault) {
    Scenario s = ParseScenario("fail Visible 1 0x1\nfail OpenDocSilent 1 0x1\n");
    CallPlanner planner(s);
    CallPlan noArgument = planner.Plan(automation::kVisible, 0, 0, kMethodOrGet);
    EXPECT_EQ(noArgument.action, CallAction::ReturnStatus);
    EXPECT_EQ(noArgument.status, static_cast<int32_t>(0x8002000E));
    CallPlan twoArguments = planner.Plan(automation::kOpenDocSilent, 2, 0, kMethod);
    EXPECT_EQ(twoArguments.status, static_cast<int32_t>(0x8002000E));
    EXPECT_FALSE(twoArguments.writeOpenError); // there is no slot to write
    EXPECT_EQ(planner.Plan(automation::kUserControl, 1, 0, kPropertyPut).status, static_cast<int32_t>(0x80020003));
    EXPECT_EQ(planner.Plan(automation::kUserControl, 1, 1, kMethod).status, static_cast<int32_t>(0x80020007));
    // Kind 3 (method or property read) is how the program calls members without arguments.
    EXPECT_EQ(planner.Plan(automation::kExitApp, 0, 0, kMethodOrGet).action, CallAction::Perform);
}

TEST(StandinCallPlan, DieComesBeforeTheShapeCheck) {
    Scenario s = ParseScenario("die ViewZoomtofit 1\n");
    CallPlanner planner(s);
    EXPECT_EQ(planner.Plan(automation::kViewZoomtofit, 4, 0, kMethod).action, CallAction::Die);
}

TEST(StandinCallPlan, NamesOnTheWrongObjectAreUnknownThere) {
    EXPECT_EQ(FindMemberOn("PrintDirect", automation::Target::Application), nullptr);
    EXPECT_EQ(FindMemberOn("ExitApp", automation::Target::Document), nullptr);
    EXPECT_EQ(FindMemberOn("PrintDirect", automation::Target::Document), &automation::kPrintDirect);
    EXPECT_EQ(FindMemberOn("printdirect", automation::Target::Document), nullptr);
    for (const automation::Member* member : automation::kAllMembers)
        EXPECT_EQ(MemberOfDispId(DispIdOf(*member)), member) << member->name;
    EXPECT_EQ(MemberOfDispId(0), nullptr);
    EXPECT_EQ(MemberOfDispId(static_cast<int32_t>(std::size(automation::kAllMembers)) + 1), nullptr);
}

class RecordingSink : public LineSink {
public:
    void Append(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

TEST(StandinJournal, CallLineHasSixFieldsAndArgumentsInCallerOrder) {
    RecordingSink sink;
    Journal journal(sink);
    journal.Call("app1", "OpenDocSilent", kMethod,
                 {TextArg(8, "c:\\a;b%\t.sldprt"), NumberArg(3, 1), NumberArg(16387, -5)});
    journal.Call("doc1", "PrintDirect", kMethodOrGet, {});
    journal.Call("app1", "Visible", kMethod, {NumberArg(11, 0), OpaqueArg(9)});
    ASSERT_EQ(sink.lines.size(), 3u);
    EXPECT_EQ(sink.lines[0], "1\tapp1\tcall\tOpenDocSilent\t1\t8:c:\\a%3Bb%25%09.sldprt;3:1;16387:-5");
    EXPECT_EQ(sink.lines[1], "2\tdoc1\tcall\tPrintDirect\t3\t");
    EXPECT_EQ(sink.lines[2], "3\tapp1\tcall\tVisible\t1\t11:0;9:");
}

TEST(StandinJournal, EventLinesLeaveMemberAndKindEmpty) {
    RecordingSink sink;
    Journal journal(sink);
    journal.ServerStart(42);
    journal.ScenarioError(3, "unknown keyword 'x;y'");
    journal.ServerReady();
    journal.Create("app1");
    journal.AddRef("app1", 1);
    journal.Unknown("app1", "Print\tDirect");
    journal.ExitRequested("app1");
    journal.Release("app1", 0);
    journal.ServerExit(0);
    std::vector<std::string> expected = {
        "1\tserver\tserver-start\t\t\tpid=42",
        "2\tserver\tscenario-error\t\t\tline=3;unknown keyword 'x%3By'",
        "3\tserver\tserver-ready\t\t\t",
        "4\tapp1\tcreate\t\t\t",
        "5\tapp1\taddref\t\t\t1",
        "6\tapp1\tunknown\tPrint%09Direct\t\t",
        "7\tapp1\texit-requested\t\t\t",
        "8\tapp1\trelease\t\t\t0",
        "9\tserver\tserver-exit\t\t\tlive=0",
    };
    EXPECT_EQ(sink.lines, expected);
}

TEST(StandinJournal, NothingIsJournaledAfterServerExit) {
    RecordingSink sink;
    Journal journal(sink);
    journal.ServerExit(2);
    journal.Release("doc1", 0);
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_EQ(sink.lines[0], "1\tserver\tserver-exit\t\t\tlive=2");
}

TEST(StandinJournal, EscapedTextHasNoSeparatorsAndRoundTrips) {
    const std::string text = "100% ; done\t\r\n\x01 \xC3\xBC";
    std::string escaped = EscapeJournalText(text);
    EXPECT_EQ(escaped, "100%25 %3B done%09%0D%0A%01 \xC3\xBC");
    EXPECT_EQ(UnescapeJournalText(escaped), text);
    // A '%' not followed by two hex digits was not written by the journal; it stays as it is.
    EXPECT_EQ(UnescapeJournalText("50%"), "50%");
    EXPECT_EQ(UnescapeJournalText("%zz"), "%zz");
}

TEST(StandinJournal, ParsedLinesGiveBackFieldsAndArguments) {
    std::string text = "1\tserver\tserver-start\t\t\tpid=7\r\n"
                       "2\tapp1\tcall\tOpenDocSilent\t1\t8:c:\\x%3By.sldprt;3:2;16387:0;8:\n"
                       "bad line\n"
                       "3\tapp1\trelease\t\t\t0"; // torn: no line end yet
    std::vector<JournalEntry> entries = ParseJournal(text);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].seq, 1u);
    EXPECT_EQ(entries[0].args, "pid=7");
    EXPECT_EQ(entries[1].object, "app1");
    EXPECT_EQ(entries[1].event, "call");
    EXPECT_EQ(entries[1].member, "OpenDocSilent");
    EXPECT_EQ(entries[1].kind, "1");
    std::vector<JournalArg> args = ParseJournalArgs(entries[1].args);
    ASSERT_EQ(args.size(), 4u);
    EXPECT_EQ(args[0].type, 8);
    EXPECT_EQ(args[0].value, "c:\\x;y.sldprt");
    EXPECT_EQ(args[1].type, 3);
    EXPECT_EQ(args[1].value, "2");
    EXPECT_EQ(args[2].type, 16387);
    EXPECT_EQ(args[3].type, 8);
    EXPECT_FALSE(args[3].hasValue);
    EXPECT_TRUE(ParseJournalArgs("").empty());
}

TEST(StandinLifetime, ServerEndsOnlyAfterItHadAnObjectOrLock) {
    ServerLifetime lifetime;
    EXPECT_FALSE(lifetime.CanEnd()); // started, nobody connected yet
    lifetime.ObjectCreated();
    lifetime.Lock();
    lifetime.ObjectDestroyed();
    EXPECT_FALSE(lifetime.CanEnd()); // a lock still holds it
    lifetime.Unlock();
    EXPECT_TRUE(lifetime.CanEnd());
    lifetime.Unlock(); // an unbalanced unlock cannot make the count wrap
    lifetime.ObjectCreated();
    EXPECT_FALSE(lifetime.CanEnd());
    EXPECT_EQ(lifetime.LiveObjects(), 1u);
}

TEST(StandinLifetime, ObjectNamesCountEachKindInCreationOrder) {
    ObjectNames names;
    EXPECT_EQ(names.Next(automation::Target::Application), "app1");
    EXPECT_EQ(names.Next(automation::Target::Document), "doc1");
    EXPECT_EQ(names.Next(automation::Target::Document), "doc2");
    EXPECT_EQ(names.Next(automation::Target::Application), "app2");
}

} // namespace
} // namespace standin
