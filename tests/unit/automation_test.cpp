#include <gtest/gtest.h>

#include "automation/automation.h"
#include "fake_automation.h"
#include "support/caught.h"

using namespace automation;
using fakes::CallLog;
using fakes::FakeFactory;
using fakes::FakeObject;
using fakes::ScopedPlatform;
using support::Caught;

namespace {

struct LinkTest : ::testing::Test {
    std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
    FakeObject app{"app", log};
    FakeFactory factory;
    ScopedPlatform platform{&factory};

    Variant Target() { return Variant(ObjectPtr::Share(&app)); }
};

TEST(VariantTest, ReferencesAreCountedOnCopyReplaceAndDestruction) {
    auto log = std::make_shared<CallLog>();
    FakeObject first("first", log), second("second", log);
    {
        Variant held(ObjectPtr::Share(&first));
        EXPECT_EQ(first.Refs(), 1) << "the temporary reference must be given back";
        Variant copy = held;
        EXPECT_EQ(first.Refs(), 2);
        copy = Variant(ObjectPtr::Share(&second));
        EXPECT_EQ(first.Refs(), 1) << "replacing releases the old object exactly once";
        EXPECT_EQ(second.Refs(), 1);
        held = held;
        EXPECT_EQ(first.Refs(), 1) << "self-assignment must not release";
        Variant moved = std::move(held);
        EXPECT_EQ(first.Refs(), 1);
        EXPECT_TRUE(held.IsEmpty());
    }
    EXPECT_EQ(first.Refs(), 0);
    EXPECT_EQ(second.Refs(), 0);
}

TEST(VariantTest, KindsAndValuesMatchTheComVariant) {
    int32_t slot = 0;
    EXPECT_EQ(Variant(true).Type(), 11);
    EXPECT_EQ(Variant(true).BoolValue(), -1);
    EXPECT_EQ(Variant(false).BoolValue(), 0);
    EXPECT_EQ(Variant(int32_t{7}).Type(), 3);
    EXPECT_EQ(Variant(&slot).Type(), 0x4003);
    EXPECT_EQ(Variant("x").Type(), kVtText);
    EXPECT_EQ(Variant().Type(), 0);
    Variant text("c:\\a.sldprt");
    Variant copy = text;
    text = Variant("other");
    EXPECT_EQ(copy.Text(), "c:\\a.sldprt") << "text is copied, not shared";
}

TEST_F(LinkTest, InvokeKindIsMethodOrGetWithoutArgumentsAndMethodWithThem) {
    CallAutomationMethod(Target(), "ExitApp");
    CallAutomationMethod(Target(), "Visible", false);
    CallAutomationMethod(Target(), "UserControl", true);
    ASSERT_EQ(log->calls.size(), 3u);
    EXPECT_EQ(log->calls[0].kind, 3);
    EXPECT_TRUE(log->calls[0].args.empty());
    EXPECT_EQ(log->calls[1].kind, 1);
    ASSERT_EQ(log->calls[1].args.size(), 1u);
    EXPECT_EQ(log->calls[1].args[0].type, kVtBool);
    EXPECT_EQ(log->calls[1].args[0].boolValue, 0);
    EXPECT_EQ(log->calls[2].args[0].boolValue, -1);
}

TEST_F(LinkTest, ArgumentListEndsAtTheFirstEmptyArgument) {
    CallAutomationMethod(Target(), "QuitDoc", "c:\\a.sldprt", Variant(), int32_t{5});
    ASSERT_EQ(log->calls.size(), 1u);
    ASSERT_EQ(log->calls[0].args.size(), 1u);
    EXPECT_EQ(log->calls[0].args[0].type, kVtBstr);
    EXPECT_EQ(log->calls[0].args[0].text, "c:\\a.sldprt");
    EXPECT_EQ(log->calls[0].kind, 1);
}

TEST_F(LinkTest, ParametersGoLastArgumentFirstWithTheirKinds) {
    int32_t slot = -5;
    CallAutomationMethod(Target(), "OpenDocSilent", "c:\\p.sldprt", int32_t{1}, &slot);
    const auto& call = log->calls.at(0);
    ASSERT_EQ(call.wire.size(), 3u);
    EXPECT_EQ(call.wire[0].type, 0x4003);
    EXPECT_EQ(call.wire[0].intRef, &slot);
    EXPECT_EQ(call.wire[1].type, 3);
    EXPECT_EQ(call.wire[1].intValue, 1);
    EXPECT_EQ(call.wire[2].type, 8);
    EXPECT_EQ(call.wire[2].text, "c:\\p.sldprt");
}

// The COM adapter converts it by the ANSI code page (ComLinkTest).
TEST_F(LinkTest, TextGoesToTheObjectAsTheProgramsAnsiText) {
    CallAutomationMethod(Target(), "ActivateDoc", "c:\\\xE9t\xE9\x80.sldprt");
    EXPECT_EQ(log->calls.at(0).args.at(0).text, "c:\\\xE9t\xE9\x80.sldprt");
}

TEST_F(LinkTest, TargetWithoutObjectFailsBeforeAnyHostContact) {
    const Variant targets[] = {Variant(), Variant(int32_t{9}), Variant("app"), Variant(ObjectPtr())};
    for (const Variant& target : targets) {
        auto e = Caught<EOleError>([&] { CallAutomationMethod(target, "ExitApp"); });
        EXPECT_EQ(e.Message, "Variant does not reference an automation object");
    }
    EXPECT_TRUE(log->lookups.empty());
    EXPECT_TRUE(log->calls.empty());
}

TEST_F(LinkTest, ReferenceToAnObjectVariableIsAValidTarget) {
    AutomationObject* held = &app;
    CallAutomationMethod(Variant(&held), "ExitApp");
    EXPECT_EQ(log->Members(), std::vector<std::string>{"app.ExitApp"});
}

// The locales of the lookup and the call are the COM adapter's (ComLinkTest).
TEST_F(LinkTest, EveryCallLooksTheNameUpAgain) {
    CallAutomationMethod(Target(), "ViewZoomtofit");
    CallAutomationMethod(Target(), "ViewZoomtofit");
    EXPECT_EQ(log->lookups, (std::vector<std::string>{"ViewZoomtofit", "ViewZoomtofit"}));
}

TEST_F(LinkTest, UnknownMemberNamesTheMemberAsPassed) {
    app.Refuse("ExitApp");
    auto e = Caught<EOleError>([&] { CallAutomationMethod(Target(), "ExitApp"); });
    EXPECT_EQ(e.Message, "Method 'ExitApp' not supported by automation object");
    EXPECT_TRUE(log->calls.empty());
}

TEST_F(LinkTest, OtherLookupFailuresCarryTheStatus) {
    app.FailLookups(kRpcEServerUnavailable);
    auto e = Caught<EOleSysError>([&] { CallAutomationMethod(Target(), "QuitDoc", "x"); });
    EXPECT_EQ(e.ErrorCode, Hr(0x800706BA));
    EXPECT_EQ(e.Message, "OLE error 800706BA");
    EXPECT_TRUE(log->calls.empty());
}

TEST_F(LinkTest, HostExceptionUsesTrimmedDescriptionAndScode) {
    app.Raise("PrintDirect", Hr(0x80040001), "Printer jammed.\r\n");
    auto e = Caught<EOleException>([&] { CallAutomationMethod(Target(), "PrintDirect"); });
    EXPECT_EQ(e.Message, "Printer jammed");
    EXPECT_EQ(e.ErrorCode, Hr(0x80040001));
    EXPECT_EQ(e.Source, "Fake host");
}

TEST_F(LinkTest, HostExceptionWithoutDescriptionUsesTheStatusText) {
    factory.messages[kEFail] = "Unspecified error  \r\n";
    app.Raise("PrintDirect", kEFail, "");
    auto e = Caught<EOleException>([&] { CallAutomationMethod(Target(), "PrintDirect"); });
    EXPECT_EQ(e.Message, "Unspecified error");
    app.Raise("PrintDirect", Hr(0x80040002), " .\r\n");
    e = Caught<EOleException>([&] { CallAutomationMethod(Target(), "PrintDirect"); });
    EXPECT_EQ(e.Message, "OLE error 80040002");
}

TEST_F(LinkTest, AnyNonZeroInvokeStatusFailsPositiveOnesToo) {
    app.Fail("Visible", 1);
    auto e = Caught<EOleSysError>([&] { CallAutomationMethod(Target(), "Visible", false); });
    EXPECT_EQ(e.ErrorCode, 1);
    EXPECT_EQ(e.Message, "OLE error 00000001");
}

TEST_F(LinkTest, IntegerReferenceSeesWhatTheHostWroteEvenOnFailure) {
    app.On("OpenDocSilent", [](fakes::RecordedCall& call, Variant&, ErrorRecord&) {
        *call.args.at(2).intRef = 42;
        return kSOk;
    });
    int32_t slot = 0;
    CallAutomationMethod(Target(), "OpenDocSilent", "a", int32_t{1}, &slot);
    EXPECT_EQ(slot, 42);
    app.On("OpenDocSilent", [](fakes::RecordedCall& call, Variant&, ErrorRecord&) {
        *call.args.at(2).intRef = 9;
        return kEFail;
    });
    EXPECT_THROW(CallAutomationMethod(Target(), "OpenDocSilent", "a", int32_t{1}, &slot), EOleSysError);
    EXPECT_EQ(slot, 9);
}

TEST_F(LinkTest, ReturnedObjectIsHeldOnceByTheResult) {
    FakeObject doc("doc", log);
    app.Return("ActivateDoc", Variant(ObjectPtr::Share(&doc)));
    {
        Variant active = CallAutomationMethod(Target(), "ActivateDoc", "a");
        app.Return("ActivateDoc", Variant());
        EXPECT_EQ(doc.Refs(), 1);
        CallAutomationMethod(active, "PrintDirect");
        EXPECT_EQ(log->Members().back(), "doc.PrintDirect");
    }
    EXPECT_EQ(doc.Refs(), 0);
}

TEST_F(LinkTest, ResultKindsTheProgramDoesNotSendAreRefusedAsArguments) {
    auto e = Caught<EOleSysError>([&] { CallAutomationMethod(Target(), "QuitDoc", Variant::OfOtherKind(5)); });
    EXPECT_EQ(e.ErrorCode, kDispEBadVarType);
    EXPECT_TRUE(log->calls.empty());
}

TEST_F(LinkTest, CreateAsksForIDispatchInAnyServerContext) {
    factory.objects = {&app};
    {
        Variant host(CreateAutomationObject("SldWorks.Application"));
        EXPECT_EQ(app.Refs(), 1) << "exactly one reference remains, held by the Variant";
    }
    EXPECT_EQ(app.Refs(), 0);
    EXPECT_EQ(factory.progIds, std::vector<std::string>{"SldWorks.Application"});
    EXPECT_EQ(factory.contexts, std::vector<uint32_t>{5});
    EXPECT_EQ(factory.interfaceIds.at(0), kIidIDispatch);
}

TEST_F(LinkTest, CreateFailuresCarryThePlatformStatus) {
    factory.messages[kCoEClassString] = "Invalid class string.\r\n";
    factory.resolveStatus = kCoEClassString;
    auto e = Caught<EOleSysError>([&] { CreateAutomationObject("No.Such"); });
    EXPECT_EQ(e.ErrorCode, Hr(0x800401F3));
    EXPECT_EQ(e.Message, "Invalid class string");
    EXPECT_TRUE(factory.contexts.empty()) << "nothing is created after a failed resolve";

    factory.resolveStatus = 0;
    factory.createStatus = Hr(0x80080005);
    e = Caught<EOleSysError>([&] { CreateAutomationObject("SldWorks.Application"); });
    EXPECT_EQ(e.ErrorCode, Hr(0x80080005));
    EXPECT_EQ(e.Message, "OLE error 80080005");
}

TEST(OleTextTest, TrimRemovesTrailingBlanksControlsAndFullStopsOnly) {
    EXPECT_EQ(TrimOleText("Failed.\r\n"), "Failed");
    EXPECT_EQ(TrimOleText("a. . \t"), "a");
    EXPECT_EQ(TrimOleText("...  "), "");
    EXPECT_EQ(TrimOleText(" lead"), " lead");
    EXPECT_EQ(TrimOleText("x!"), "x!");
    EXPECT_EQ(TrimOleText("caf\xE9"), "caf\xE9") << "bytes above 0x7F are characters, not blanks";
}

TEST(OleTextTest, StatusLineTextsForTheFourFailureClasses) {
    auto text = [](auto failure) { return OleFailureStatusText(std::make_exception_ptr(failure)); };
    EXPECT_EQ(text(EOleException("Printer jammed", Hr(0x80040001), "s", "h", 0)),
              "OLE Error:  Printer jammed(-2147221503)");
    EXPECT_EQ(text(EOleSysError("OLE error 800706BA", Hr(0x800706BA))), "OLE Error:  OLE error 800706BA(-2147023174)");
    EXPECT_EQ(text(EOleSysError("x", 1)), "OLE Error:  x(1)");
    EXPECT_EQ(text(EOleError(kNotAnAutomationObject)), "OLE Error:  Variant does not reference an automation object");
    EXPECT_EQ(text(base::Exception("Cannot open file x")), "OLE Error:  unknown error");
    EXPECT_EQ(text(std::bad_alloc()), "OLE Error:  unknown error");
    EXPECT_EQ(text(42), "OLE Error:  unknown error");
}

} // namespace
