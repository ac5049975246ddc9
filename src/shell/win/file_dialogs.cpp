#include "shell/win/file_dialogs.h"

#include <commdlg.h>

#include <cstring>
#include <utility>
#include <vector>

#include "base/win/system_library.h"

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

} // namespace

DWORD DialogFlags(unsigned options) {
    DWORD flags = OFN_EXPLORER;
    for (const OptionFlag& entry : kOptionFlags) {
        if (options & entry.option)
            flags |= entry.flag;
    }
    return flags;
}

std::optional<DialogChoice> WinFileDialogHost::Show(const FileDialogSpec& dialogSpec, const std::string& fileName,
                                                    int filterIndex) {
    // The result limit is the buffer: a longer choice ends the dialog with FNERR_BUFFERTOOSMALL, which
    // counts as a cancel like every other way the dialog can end without a choice. Wine's dialog cuts a
    // multiple selection short instead; TakeDialogResult refuses a run that has no end in the buffer.
    std::vector<char> buffer(dialogSpec.resultLimit, '\0');
    if (fileName.size() < buffer.size())
        std::memcpy(buffer.data(), fileName.data(), fileName.size());
    const std::string filter = PlatformFilter(dialogSpec.filter);
    const std::string defaultExtension(dialogSpec.defaultExtension);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(filterIndex);
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    dialog.Flags = DialogFlags(dialogSpec.options);

    const BOOL chosen = dialogSpec.kind == DialogKind::Save ? base::win::comdlg32::GetSaveFileNameA(&dialog)
                                                            : base::win::comdlg32::GetOpenFileNameA(&dialog);
    if (!chosen)
        return std::nullopt;
    std::optional<std::string> result =
        TakeDialogResult({buffer.data(), buffer.size()}, (dialogSpec.options & kAllowMultiSelect) != 0);
    if (!result)
        return std::nullopt;
    return DialogChoice{std::move(*result), static_cast<int>(dialog.nFilterIndex)};
}

} // namespace shell::win
