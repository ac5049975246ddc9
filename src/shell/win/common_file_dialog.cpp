#include "shell/win/common_file_dialog.h"

#include <commdlg.h>

#include "base/win/system_library.h"
#include "forms/win/application.h"

namespace shell::win {
namespace {

struct OptionFlag {
    unsigned option;
    DWORD flag;
};

constexpr OptionFlag kOptionFlags[] = {
    {kAllowMultiSelect, OFN_ALLOWMULTISELECT}, {kPathMustExist, OFN_PATHMUSTEXIST}, {kFileMustExist, OFN_FILEMUSTEXIST},
    {kOverwritePrompt, OFN_OVERWRITEPROMPT},   {kHideReadOnly, OFN_HIDEREADONLY},   {kShowHelp, OFN_SHOWHELP},
};

// The platform flags for a dialog's options, OFN_EXPLORER included.
DWORD DialogFlags(unsigned options) {
    DWORD flags = OFN_EXPLORER;
    for (const OptionFlag& entry : kOptionFlags) {
        if (options & entry.option)
            flags |= entry.flag;
    }
    return flags;
}

} // namespace

bool CommonFileDialog::Run(FileDialogCall& call) {
    // The buffer's size is the result limit: a longer choice ends the dialog with FNERR_BUFFERTOOSMALL,
    // which counts as a cancel like every other way the dialog can end without a choice. Wine's dialog
    // cuts a multiple selection short instead; TakeDialogResult refuses a run that has no end in the buffer.
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = forms::win::Application.MainWindow();
    dialog.lpstrFilter = call.filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(call.filterIndex);
    dialog.lpstrFile = &call.buffer[0];
    dialog.nMaxFile = static_cast<DWORD>(call.buffer.size());
    dialog.lpstrDefExt = call.defaultExtension.empty() ? nullptr : call.defaultExtension.c_str();
    dialog.Flags = DialogFlags(call.options);

    const BOOL chosen = call.kind == DialogKind::Save ? base::win::comdlg32::GetSaveFileNameA(&dialog)
                                                      : base::win::comdlg32::GetOpenFileNameA(&dialog);
    call.filterIndex = static_cast<int>(dialog.nFilterIndex);
    return chosen != FALSE;
}

} // namespace shell::win
