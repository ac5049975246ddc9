#include "batch/print_run.h"

#include <algorithm>
#include <iterator>

#include "automation/automation.h"
#include "automation/host_members.h"
#include "automation/status_codes.h"
#include "batch/host_lifecycle.h"

namespace batch {
namespace {

using automation::Variant;

enum class When {
    Always,
    ModelIsometric,     // part or assembly, isometric checked
    ModelHiddenVisible, // part or assembly, the display choice as named
    ModelHiddenGrayed,
    ModelHiddenRemoved,
    ModelShaded,
    ZoomToFit,
    Preview,
    NoPreview,
};

// What a step passes to its member, and where the member's result goes (nowhere but for ActivateDoc).
enum class Arguments {
    None,
    OpenDocument,        // the path, the type code and the slot the host writes its open error into
    Path,                // the path
    PathGivingActiveDoc, // the path; the result becomes the active document
    IsometricViewName,   // the name of the isometric view
};

// One row of a document's steps. A null status leaves the status line as it is; a null member is the
// pause after printing.
struct Step {
    When when;
    const char* status;
    const automation::Member* member;
    Arguments arguments;
};

constexpr Step kDocumentSteps[] = {
    {When::Always, "Opening ", &automation::kOpenDocSilent, Arguments::OpenDocument},
    {When::Always, "Activating ", &automation::kActivateDoc, Arguments::PathGivingActiveDoc},
    {When::ModelIsometric, nullptr, &automation::kShowNamedView, Arguments::IsometricViewName},
    {When::ModelHiddenVisible, "Applying hidden lines from ", &automation::kViewDisplayWireframe, Arguments::None},
    {When::ModelHiddenGrayed, "Graying hidden lines from ", &automation::kViewDisplayHiddengreyed, Arguments::None},
    {When::ModelHiddenRemoved, "Removing hidden lines from ", &automation::kViewDisplayHiddenRemoved, Arguments::None},
    {When::ModelShaded, "Shading ", &automation::kViewDisplayShaded, Arguments::None},
    {When::ZoomToFit, "Zooming to fit ", &automation::kViewZoomtofit, Arguments::None},
    {When::Preview, "Previewing ", &automation::kPrintPreview, Arguments::None},
    {When::NoPreview, "Printing ", &automation::kPrintDirect, Arguments::None},
    {When::Always, nullptr, nullptr, Arguments::None},
    {When::Always, "Closing ", &automation::kQuitDoc, Arguments::Path},
};

struct Document {
    std::string path; // lower case: what the host receives and the status line shows
    int32_t typeCode;
    int32_t openErrorSlot = 0; // written by the host, never read
};

bool Holds(When when, PrintRunView& view, const Document& doc) {
    const bool model = doc.typeCode == 1 || doc.typeCode == 2;
    switch (when) {
    case When::Always:
        return true;
    case When::ModelIsometric:
        return model && view.Isometric();
    case When::ModelHiddenVisible:
        return model && view.DisplayChosen(DisplayChoice::HiddenVisible);
    case When::ModelHiddenGrayed:
        return model && view.DisplayChosen(DisplayChoice::HiddenGrayed);
    case When::ModelHiddenRemoved:
        return model && view.DisplayChosen(DisplayChoice::HiddenRemoved);
    case When::ModelShaded:
        return model && view.DisplayChosen(DisplayChoice::Shaded);
    case When::ZoomToFit:
        return view.ZoomToFit();
    case When::Preview:
        return view.Preview();
    case When::NoPreview:
        return !view.Preview();
    }
    return false;
}

struct Session {
    PrintRunView& view;
    StatusLine& status;
    Variant& hostApp;
    Variant& activeDoc;
    int count = 0;            // the list's entries, read again before each document
    int index = -1;           // the list index of the document under way; -1 outside the documents
    Document doc{};           // the document under way
    bool opened = false;      // its OpenDocSilent went through
    bool closeCalled = false; // its QuitDoc was called, whatever it answered

    void Call(const Step& step) {
        const automation::Member& member = *step.member;
        const Variant& target = member.target == automation::Target::Application ? hostApp : activeDoc;
        switch (step.arguments) {
        case Arguments::None:
            automation::CallAutomationMethod(target, member.name);
            break;
        case Arguments::OpenDocument:
            automation::CallAutomationMethod(target, member.name, doc.path, doc.typeCode, &doc.openErrorSlot);
            break;
        case Arguments::Path:
            automation::CallAutomationMethod(target, member.name, doc.path);
            break;
        case Arguments::PathGivingActiveDoc:
            activeDoc = automation::CallAutomationMethod(target, member.name, doc.path);
            break;
        case Arguments::IsometricViewName:
            automation::CallAutomationMethod(target, member.name, automation::kIsometricViewName);
            break;
        }
    }

    void Process(int32_t& heldTypeCode) {
        doc = Document{};
        opened = closeCalled = false;
        doc.path = view.LowerCaseEntry(index);
        heldTypeCode = ClassifyDocument(doc.path, heldTypeCode);
        doc.typeCode = heldTypeCode;
        for (const Step& step : kDocumentSteps) {
            if (!Holds(step.when, view, doc))
                continue;
            if (step.status)
                status.SetStatus(step.status + doc.path);
            if (!step.member) {
                view.Pause(kPausePerDocumentMs);
                continue;
            }
            closeCalled = closeCalled || step.member == &automation::kQuitDoc;
            Call(step);
            opened = opened || step.member == &automation::kOpenDocSilent;
        }
    }

    // Every document from the top until the last is done or a stop is asked for. A document's failure
    // that the run goes past is recorded here; any other gets out.
    void ProcessAll(RunProgress& progress, RunOutcome& outcome) {
        int32_t heldTypeCode = 0;
        for (index = 0; index < (count = view.EntryCount()); ++index) {
            if (view.StopRequested()) {
                outcome.stopped = true;
                return;
            }
            progress.DocumentStarted(index + 1, count);
            try {
                Process(heldTypeCode);
            } catch (...) {
                if (FailureEndsRun(std::current_exception()) || !view.KeepGoing())
                    throw;
                RecordFailure(outcome);
                outcome.wentPastFailures = true;
                CloseAfterFailure();
            }
        }
    }

    // The caught failure's text goes to the status line at once, and with the document's path to the
    // outcome.
    void RecordFailure(RunOutcome& outcome) {
        const std::string text = automation::OleFailureStatusText(std::current_exception());
        status.SetStatus(text);
        if (index < 0)
            return;
        outcome.failedDocuments.push_back(index);
        outcome.failureLines.push_back(doc.path + ": " + text);
    }

    // After a failure the run goes past, the document is not left open in the host: it is closed if it
    // was opened and its own close was not the step that failed. Whatever that close meets is dropped; a
    // host gone meanwhile ends the run at the next document's first call.
    void CloseAfterFailure() noexcept {
        if (!opened || closeCalled)
            return;
        try {
            automation::CallAutomationMethod(hostApp, automation::kQuitDoc.name, doc.path);
        } catch (...) {
        }
    }
};

// The status texts a run ends with when it neither failed nor went through without a failure.
std::string StoppedText(int finished, int count) {
    return "Stopped after " + std::to_string(finished) + " of " + std::to_string(count) + " documents";
}

std::string FailedDocumentsText(bool preview, int count, size_t failed) {
    const int wentThrough = count - static_cast<int>(failed);
    return (preview ? "Previewed " : "Printed ") + std::to_string(wentThrough) + " of " + std::to_string(count) +
           " documents; " + std::to_string(failed) + " failed";
}

RunEnd EndOf(const RunOutcome& outcome) {
    if (outcome.failed || !outcome.failedDocuments.empty())
        return RunEnd::Failed;
    return outcome.stopped ? RunEnd::Stopped : RunEnd::Succeeded;
}

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// Creates the run's host object and stores it into hostApp with its owner. The same object as the one held
// (a running host answers its ProgID with its one application object) keeps the owner it had. Any other is
// the user's when a window titled like the host's was there before connecting (so a host the run itself
// starts, whose window comes up while it starts, is not taken for the user's), else the program's own.
void Connect(PrintRunView& view, Variant& hostApp, HostOwner& hostOwner) {
    const bool hostWindowFound = view.HostWindowExists();
    Variant created(automation::CreateAutomationObject(automation::kProgId));
    if (!automation::SameObject(created, hostApp))
        hostOwner = hostWindowFound ? HostOwner::User : HostOwner::Vantrel;
    hostApp = std::move(created);
}

} // namespace

int32_t ClassifyDocument(const std::string& lowerPath, int32_t heldCode) {
    if (Contains(lowerPath, ".prt") || Contains(lowerPath, ".sldprt"))
        heldCode = 1;
    if (Contains(lowerPath, ".asm") || Contains(lowerPath, ".sldasm"))
        heldCode = 2;
    if (Contains(lowerPath, ".drw") || Contains(lowerPath, ".slddrw"))
        heldCode = 3;
    return heldCode;
}

bool FailureEndsRun(const std::exception_ptr& failure) {
    constexpr int32_t kHostGone[] = {automation::kRpcEDisconnected, automation::kRpcEServerUnavailable,
                                     automation::kRpcECallFailed, automation::kCoEObjNotConnected};
    try {
        std::rethrow_exception(failure);
    } catch (const automation::EOleSysError& e) {
        return std::find(std::begin(kHostGone), std::end(kHostGone), e.ErrorCode) != std::end(kHostGone);
    } catch (const automation::EOleError&) {
        return false;
    } catch (...) {
        return true;
    }
}

std::string FailureSummaryText(const RunOutcome& outcome) {
    if (!outcome.wentPastFailures)
        return {};
    const std::vector<std::string>& lines = outcome.failureLines;
    const size_t shown = std::min(lines.size(), kSummaryLines);
    std::string text;
    for (size_t i = 0; i < shown; ++i)
        text += (i ? "\r\n" : "") + lines[i];
    if (lines.size() > shown)
        text += "\r\n... and " + std::to_string(lines.size() - shown) + " more";
    return text;
}

RunOutcome RunPrintBatch(PrintRunView& view, StatusLine& status, Variant& hostApp, HostOwner& hostOwner,
                         Variant& activeDoc, RunProgress& progress) {
    RunOutcome outcome;
    bool connected = false; // hostApp holds this run's host object
    Session session{view, status, hostApp, activeDoc};
    // One guarded region for the whole run: a failure that gets out of a document ends it, and nothing is
    // tidied up.
    try {
        const int count = view.EntryCount();
        if (count == 0)
            return outcome;
        outcome.started = true;
        progress.RunStarted(count);
        status.SetStatus("Connecting to SolidWorks...");
        Connect(view, hostApp, hostOwner);
        connected = true;
        automation::CallAutomationMethod(hostApp, automation::kUserControl.name, true);
        automation::CallAutomationMethod(hostApp, automation::kVisible.name, false);
        session.ProcessAll(progress, outcome);
        const int finished = session.index;
        session.index = -1; // past the documents: a failure from here on is none of theirs
        if (outcome.stopped)
            status.SetStatus(StoppedText(finished, session.count));
        else if (outcome.wentPastFailures)
            status.SetStatus(FailedDocumentsText(view.Preview(), session.count, outcome.failedDocuments.size()));
    } catch (...) {
        outcome.failed = true;
        session.RecordFailure(outcome);
    }
    if (connected && hostOwner == HostOwner::User)
        ShowHost(hostApp);
    if (outcome.started)
        progress.RunEnded(EndOf(outcome));
    return outcome;
}

} // namespace batch
