#pragma once
// A print run's progress on the main window's taskbar button, through the shell's ITaskbarList3, and a
// flash of the button when a run ends while the user works in another program.
//
// The shell's taskbar object is asked for only once the shell has said that the window's button exists
// (the registered message "TaskbarButtonCreated", sent again when Explorer restarts). Vantrel runs as
// invoker; started elevated, it gets that message because the main window lets it through
// (main_window.cpp). A system without the object, or one that refuses a call, shows nothing: no call
// here reports a failure or changes the run.
#include <windows.h>
#include <shobjidl.h>

#include "base/win/owners.h"
#include "batch/print_run.h"
#include "forms/win/form.h"

namespace shell::win {

class TaskbarProgress final : public batch::RunProgress {
public:
    explicit TaskbarProgress(const forms::win::TForm& form) : form_(form) {}

    // The message by which the shell says the button exists; 0 if it couldn't be registered.
    static UINT ButtonCreatedMessage();
    // Takes a new taskbar object for the button, in place of one from before an Explorer restart.
    void OnButtonCreated() noexcept;

    // While the host starts and the first document is handled, the button shows that the run goes on
    // without a measure; from the second document on, the share of the documents that are done.
    void RunStarted(int documentCount) noexcept override;
    void DocumentStarted(int number, int documentCount) noexcept override;
    // A run that ended well, or that the user stopped, clears the button; a failure, or a document that
    // failed, leaves it red until the next run.
    void RunEnded(batch::RunEnd end) noexcept override;

private:
    void SetState(TBPFLAG state) noexcept;
    void FlashUnlessInFront() noexcept;

    const forms::win::TForm& form_;
    base::win::ComInterface<ITaskbarList3> taskbar_; // empty until the button exists, or without a shell
};

} // namespace shell::win
