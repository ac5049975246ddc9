#include "batch/print_run.h"

#include "automation/automation.h"
#include "automation/host_members.h"

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

    void Call(const Step& step, Document& doc) {
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

    void Process(int index, int32_t& heldTypeCode) {
        Document doc{view.LowerCaseEntry(index), 0};
        heldTypeCode = ClassifyDocument(doc.path, heldTypeCode);
        doc.typeCode = heldTypeCode;
        for (const Step& step : kDocumentSteps) {
            if (!Holds(step.when, view, doc))
                continue;
            if (step.status)
                status.SetStatus(step.status + doc.path);
            if (step.member)
                Call(step, doc);
            else
                view.Pause(kPausePerDocumentMs);
        }
    }
};

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
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

void RunPrintBatch(PrintRunView& view, StatusLine& status, Variant& hostApp, Variant& activeDoc,
                   RunProgress& progress) {
    bool started = false;
    // One guarded region for the whole run: the first failure ends it, and nothing is tidied up.
    try {
        int count = view.EntryCount();
        if (count == 0)
            return;
        started = true;
        progress.RunStarted(count);
        status.SetStatus("Connecting to SolidWorks...");
        hostApp = Variant(automation::CreateAutomationObject(automation::kProgId));
        automation::CallAutomationMethod(hostApp, automation::kUserControl.name, true);
        automation::CallAutomationMethod(hostApp, automation::kVisible.name, false);
        Session session{view, status, hostApp, activeDoc};
        int32_t heldTypeCode = 0;
        for (int i = 0; i < (count = view.EntryCount()); ++i) {
            progress.DocumentStarted(i + 1, count);
            session.Process(i, heldTypeCode);
        }
    } catch (...) {
        status.SetStatus(automation::OleFailureStatusText(std::current_exception()));
        if (started)
            progress.RunEnded(false);
        return;
    }
    progress.RunEnded(true);
}

} // namespace batch
