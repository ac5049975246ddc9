#include "shell/file_dialog.h"

#include "shell/chosen_paths.h"

namespace shell {

namespace {

constexpr std::string_view kListFilter = "file list (*.txt)|*.txt|all files (*.*)|*.*";

} // namespace

const FileDialogSpec kAddDialogSpec{
    DialogKind::Open,
    "SolidWorks files (*.asm;*.sldasm;*.drw;*.slddrw;*.prt;*.sldprt)|*.asm;*.sldasm;*.drw;*.slddrw;*.prt;*.sldprt|"
    "assembly files (*.asm;*.sldasm)|*.asm;*.sldasm|part files (*.prt;*.sldprt)|*.prt;*.sldprt|"
    "drawing files (*.drw;*.slddrw)|*.drw;*.slddrw|all files (*.*)|*.*",
    "",
    kAllowMultiSelect | kPathMustExist | kFileMustExist | kHideReadOnly | kShowHelp,
    8192,
};

const FileDialogSpec kOpenListDialogSpec{
    DialogKind::Open, kListFilter, "txt", kPathMustExist | kFileMustExist | kHideReadOnly | kShowHelp, 260,
};

const FileDialogSpec kSaveListDialogSpec{
    DialogKind::Save, kListFilter, "txt", kOverwritePrompt | kHideReadOnly | kShowHelp, 260,
};

std::string PlatformFilter(std::string_view filter) {
    std::string platform(filter);
    for (char& c : platform) {
        if (c == '|')
            c = '\0';
    }
    platform.append(2, '\0');
    return platform;
}

std::optional<std::string> TakeDialogResult(std::string_view buffer, bool multiple) {
    size_t end = buffer.find('\0');
    if (end == std::string_view::npos)
        return std::nullopt;
    if (!multiple)
        return std::string(buffer.substr(0, end));
    // Each string's NUL, then the NUL of the empty string that ends the run.
    while (end + 1 < buffer.size() && buffer[end + 1] != '\0') {
        end = buffer.find('\0', end + 1);
        if (end == std::string_view::npos)
            return std::nullopt;
    }
    if (end + 1 >= buffer.size())
        return std::nullopt;
    return std::string(buffer.substr(0, end + 2));
}

std::vector<std::string> FileDialog::Execute(FileDialogHost& host) {
    const std::optional<DialogChoice> choice = host.Show(*dialogSpec_, fileName_, filterIndex_);
    if (!choice)
        return {};
    std::vector<std::string> paths;
    if (dialogSpec_->options & kAllowMultiSelect)
        paths = ChosenPaths(choice->result);
    else if (!choice->result.empty())
        paths.push_back(choice->result);
    if (paths.empty())
        return {};
    fileName_ = paths.front();
    filterIndex_ = choice->filterIndex;
    return paths;
}

} // namespace shell
