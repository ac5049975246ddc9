#include "shell/file_dialog.h"

#include <utility>

namespace shell {

namespace {

constexpr std::string_view kListFilter = "file list (*.txt)|*.txt|all files (*.*)|*.*";

} // namespace

const FileDialogSettings kAddDialog{
    DialogKind::Open,
    "SolidWorks files (*.asm;*.sldasm;*.drw;*.slddrw;*.prt;*.sldprt)|*.asm;*.sldasm;*.drw;*.slddrw;*.prt;*.sldprt|"
    "assembly files (*.asm;*.sldasm)|*.asm;*.sldasm|part files (*.prt;*.sldprt)|*.prt;*.sldprt|"
    "drawing files (*.drw;*.slddrw)|*.drw;*.slddrw|all files (*.*)|*.*",
    "",
    kAllowMultiSelect | kPathMustExist | kFileMustExist | kHideReadOnly | kShowHelp,
    8192,
};

const FileDialogSettings kOpenListDialog{
    DialogKind::Open, kListFilter, "txt", kPathMustExist | kFileMustExist | kHideReadOnly | kShowHelp, 260,
};

const FileDialogSettings kSaveListDialog{
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

FileDialogCall FileDialog::Call() const {
    std::string buffer(settings_->resultLimit, '\0');
    // A remembered name too long for the buffer is not proposed; the dialog then starts empty.
    if (fileName_.size() < buffer.size())
        buffer.replace(0, fileName_.size(), fileName_);
    return FileDialogCall{settings_->kind,
                          PlatformFilter(settings_->filter),
                          std::string(settings_->defaultExtension),
                          settings_->options,
                          std::move(buffer),
                          filterIndex_};
}

std::vector<std::string> FileDialog::Execute(FileDialogPlatform& platform) {
    FileDialogCall call = Call();
    if (!platform.Run(call))
        return {};
    const bool multiple = (settings_->options & kAllowMultiSelect) != 0;
    const std::optional<std::string> result = TakeDialogResult(call.buffer, multiple);
    if (!result)
        return {};
    std::vector<std::string> paths;
    if (multiple)
        paths = ChosenPaths(*result);
    else if (!result->empty())
        paths.push_back(*result);
    if (paths.empty())
        return {};
    fileName_ = paths.front();
    filterIndex_ = call.filterIndex;
    return paths;
}

namespace {

// The strings of the run, up to the first empty one or the end of result.
std::vector<std::string_view> RunStrings(std::string_view result) {
    std::vector<std::string_view> strings;
    while (!result.empty() && result.front() != '\0') {
        const size_t end = result.find('\0');
        strings.push_back(result.substr(0, end));
        if (end == std::string_view::npos)
            break;
        result.remove_prefix(end + 1);
    }
    return strings;
}

} // namespace

bool IsAbsoluteName(std::string_view name) {
    if (!name.empty() && name[0] == '\\')
        return true;
    return name.size() > 3 && name[1] == ':' && name[2] == '\\';
}

std::vector<std::string> ChosenPaths(std::string_view result) {
    const std::vector<std::string_view> strings = RunStrings(result);
    if (strings.size() <= 1)
        return {strings.begin(), strings.end()};

    std::string folder(strings[0]);
    if (folder.back() != '\\')
        folder += '\\';
    std::vector<std::string> paths;
    paths.reserve(strings.size() - 1);
    for (size_t i = 1; i < strings.size(); ++i) {
        if (IsAbsoluteName(strings[i]))
            paths.emplace_back(strings[i]);
        else
            paths.push_back(folder + std::string(strings[i]));
    }
    return paths;
}

} // namespace shell
