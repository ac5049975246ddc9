#pragma once
// The batch print run: for every entry of the file list, open, activate, apply the chosen view,
// print or preview, pause and close, announcing each step in the status line.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "automation/variant.h"

namespace batch {

enum class DisplayChoice { HiddenVisible, HiddenGrayed, HiddenRemoved, Shaded };

// Whose host the main window holds in varHostApp. The user's is given its window back after every run and
// is never told to exit; the program's own, which a run started, stays hidden until the exit at close.
enum class HostOwner { Vantrel, User };

// The main window's status line, which says what the program is doing: the run's steps and failures, and
// a failed host exit at close.
class StatusLine {
public:
    // Shows text at once, even while the caller holds the thread.
    virtual void SetStatus(const std::string& text) = 0;

protected:
    ~StatusLine() = default;
};

// What the run reads from the main window. Every read happens when the step needs it.
class PrintRunView {
public:
    virtual int EntryCount() = 0;
    // The entry in lower case by the system's rules for ANSI text, letters beyond ASCII too: the path the
    // host receives and the status line shows.
    virtual std::string LowerCaseEntry(int index) = 0;
    // Whether the radio button of that display choice is on; each is asked on its own.
    virtual bool DisplayChosen(DisplayChoice choice) = 0;
    virtual bool Isometric() = 0;
    virtual bool ZoomToFit() = 0;
    virtual bool Preview() = 0;
    // Whether a document's own failure is recorded and the run goes on with the next entry.
    virtual bool KeepGoing() = 0;
    // The wait after printing; no messages are handled while it lasts.
    virtual void Pause(uint32_t milliseconds) = 0;
    // Whether the user has asked the run to stop (Esc) since it began, also during a host call or the
    // pause; once asked, it stays asked.
    virtual bool StopRequested() = 0;
    // Whether a top-level window whose title names the host is there now, by the start-up scan's rule.
    virtual bool HostWindowExists() = 0;

protected:
    ~PrintRunView() = default;
};

// How a run ended, for whoever shows its progress: Failed when a failure ended it or any document failed,
// Stopped when the user stopped it and no document failed.
enum class RunEnd { Succeeded, Failed, Stopped };

// Whoever shows a run's progress outside the status line (the taskbar button). An empty list is no run
// and tells it nothing. It is called on the run's thread between the run's own steps, so it must return
// at once and cannot fail: nothing it does may change the run's calls, texts or timing.
class RunProgress {
public:
    // The run begins, over the list's documents as counted when it checked the list.
    virtual void RunStarted(int documentCount) noexcept = 0;
    // Document number (from 1) of documentCount is about to be opened.
    virtual void DocumentStarted(int number, int documentCount) noexcept = 0;
    // After the last document's Close, at the run's first failure or where it stopped, after the status
    // line's last text.
    virtual void RunEnded(RunEnd end) noexcept = 0;

protected:
    ~RunProgress() = default;
};

// The document type code for a lower-case path: 1 part, 2 assembly, 3 drawing, by substrings anywhere
// in the path, tested in that order so the last match wins. A path with none keeps the held code.
int32_t ClassifyDocument(const std::string& lowerPath, int32_t heldCode);

constexpr uint32_t kPausePerDocumentMs = 5000;

// Whether a failure ends the whole run even when the run keeps going past a document's failures: one
// that is not the automation link's (the memory gone, say), and the host gone, whatever step met it
// (its objects disconnected, its server unavailable, a call lost on the way, an object no longer
// connected), since every later call would fail the same way.
bool FailureEndsRun(const std::exception_ptr& failure);

// How a run ended, for what the window shows after it besides the status line.
struct RunOutcome {
    bool started = false; // false for an empty list: nothing happened
    bool failed = false;  // a failure ended the run; its text is in the status line
    bool stopped = false; // the user stopped it between two documents
    // The list indexes of the documents that failed, in run order, the one a failure ended the run at
    // included; empty when nothing failed or the run failed before its first document.
    std::vector<int> failedDocuments;
    // For each of those, in the same order: "<path>: <status text>", the path in lower case as the status
    // line showed it.
    std::vector<std::string> failureLines;
    // The run went on past at least one failed document (keep going).
    bool wentPastFailures = false;
};

// The summary box after a run that went past failed documents lists this many of them, one a line.
constexpr size_t kSummaryLines = 20;

// The summary box's text: the first kSummaryLines failure lines, then "... and N more" for the rest.
// Empty, and no box shown, unless the run went past a failed document.
std::string FailureSummaryText(const RunOutcome& outcome);

// btnPrintClick's algorithm. Returns normally in every case; a failure ends the run with its text in
// the status line, unless keep going is on and it is one document's own (see FailureEndsRun): that one
// is recorded, the document closed if it was opened, and the run goes on. A stop asked for is taken
// before the next document. hostOwner says whose host hostApp holds; a run that connects sets both.
RunOutcome RunPrintBatch(PrintRunView& view, StatusLine& status, automation::Variant& hostApp, HostOwner& hostOwner,
                         automation::Variant& activeDoc, RunProgress& progress);

} // namespace batch
