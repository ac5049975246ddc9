#pragma once
// A file dialog platform for tests: it answers each dialog as the script says, writing the answer into
// the call's buffer as the platform's dialog would, and records what each dialog was shown with.
#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "shell/file_dialog.h"

namespace support {

struct DialogChoice {
    // One full path, or for a multiple selection the run of NUL-ended strings (folder, then names).
    std::string result;
    int filterIndex = 1;
};

class ScriptedFileDialogs : public shell::FileDialogPlatform {
public:
    struct Shown {
        // Which of the window's dialogs the call shows: its kind, filter, default extension, options and
        // buffer size are all that dialog's (null when they are no dialog's).
        const shell::FileDialogSettings* dialog;
        std::string fileName;
        int filterIndex;
    };
    // Answered in turn (nothing: the user cancels); once they are spent, every dialog gets `always`.
    std::deque<std::optional<DialogChoice>> answers;
    std::optional<DialogChoice> always;
    std::vector<Shown> shown;

    bool Run(shell::FileDialogCall& call) override {
        shown.push_back({DialogOf(call), call.buffer.c_str(), call.filterIndex});
        std::optional<DialogChoice> answer = always;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        // The dialog writes the result and the NUL that ends it; a result that doesn't fit is refused.
        if (!answer || answer->result.size() + 1 > call.buffer.size())
            return false;
        std::memcpy(&call.buffer[0], answer->result.c_str(), answer->result.size() + 1);
        call.filterIndex = answer->filterIndex;
        return true;
    }

private:
    static const shell::FileDialogSettings* DialogOf(const shell::FileDialogCall& call) {
        for (const shell::FileDialogSettings* dialog :
             {&shell::kAddDialog, &shell::kOpenListDialog, &shell::kSaveListDialog}) {
            if (dialog->kind == call.kind && dialog->options == call.options &&
                shell::PlatformFilter(dialog->filter) == call.filter &&
                dialog->defaultExtension == call.defaultExtension && dialog->resultLimit == call.buffer.size())
                return dialog;
        }
        return nullptr;
    }
};

} // namespace support
