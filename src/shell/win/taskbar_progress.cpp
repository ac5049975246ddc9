#include "shell/win/taskbar_progress.h"

namespace shell::win {

UINT TaskbarProgress::ButtonCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarButtonCreated");
    return message;
}

void TaskbarProgress::OnButtonCreated() noexcept {
    taskbar_.Reset();
    // In process (explorerframe.dll on Windows), loaded by COM from the path the class is registered with.
    ITaskbarList3* taskbar = nullptr;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                                reinterpret_cast<void**>(&taskbar))))
        return;
    base::win::ComInterface<ITaskbarList3> created(taskbar);
    if (SUCCEEDED(taskbar->HrInit()))
        taskbar_ = std::move(created);
}

void TaskbarProgress::RunStarted(int) noexcept {
    SetState(TBPF_INDETERMINATE);
}

void TaskbarProgress::DocumentStarted(int number, int documentCount) noexcept {
    // The first document keeps the indeterminate display: a share of zero would show an empty bar, and a
    // failure there would turn nothing red.
    if (taskbar_ && number > 1)
        taskbar_.Get()->SetProgressValue(form_.Handle(), static_cast<ULONGLONG>(number - 1),
                                         static_cast<ULONGLONG>(documentCount));
}

void TaskbarProgress::RunEnded(batch::RunEnd end) noexcept {
    SetState(end == batch::RunEnd::Failed ? TBPF_ERROR : TBPF_NOPROGRESS);
    FlashUnlessInFront();
}

void TaskbarProgress::SetState(TBPFLAG state) noexcept {
    if (taskbar_)
        taskbar_.Get()->SetProgressState(form_.Handle(), state);
}

void TaskbarProgress::FlashUnlessInFront() noexcept {
    // Any of Vantrel's windows in front (the About box, a dialog, an error box) counts as the user being
    // here: the About box is a window of its own, which the main window doesn't own.
    DWORD frontProcess = 0;
    const HWND front = GetForegroundWindow();
    if (front && GetWindowThreadProcessId(front, &frontProcess) && frontProcess == GetCurrentProcessId())
        return;
    // Until the user brings the window to the front; the system stops it then.
    FLASHWINFO flash{sizeof flash, form_.Handle(), FLASHW_ALL | FLASHW_TIMERNOFG, 0, 0};
    FlashWindowEx(&flash);
}

} // namespace shell::win
