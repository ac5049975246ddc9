#include "shell/win/shell_messages.h"

#include "shell/win/taskbar_progress.h"

namespace shell::win {
namespace {

// Not in the SDK's headers: the message that carries the dropped names' memory across processes.
constexpr UINT kCopyGlobalData = 0x0049;

} // namespace

void AcceptShellMessages(HWND window) {
    const UINT messages[] = {WM_DROPFILES, WM_COPYDATA, kCopyGlobalData, TaskbarProgress::ButtonCreatedMessage()};
    for (const UINT message : messages) {
        if (message != 0)
            ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
    }
}

} // namespace shell::win
