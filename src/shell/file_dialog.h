#pragma once
// The main window's three file dialogs: what each one shows, what it remembers between uses, and the
// seam through which the platform shows it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

enum class DialogKind { Open, Save };

// The dialog options; each sets one platform flag.
enum DialogOption : unsigned {
    kAllowMultiSelect = 1u << 0,
    kPathMustExist = 1u << 1,
    kFileMustExist = 1u << 2,
    kOverwritePrompt = 1u << 3,
    kHideReadOnly = 1u << 4,
    kShowHelp = 1u << 5,
};

struct FileDialogSpec {
    DialogKind kind;
    // Pairs of a description and a pattern list, all separated by "|".
    std::string_view filter;
    // Appended with a dot to a name typed without an extension; empty for none.
    std::string_view defaultExtension;
    unsigned options;
    // The longest result the dialog takes, in characters, terminators included.
    size_t resultLimit;
};

// Add: several documents at once.
extern const FileDialogSpec kAddDialogSpec;
// Open: one list file.
extern const FileDialogSpec kOpenListDialogSpec;
// Save As: one list file.
extern const FileDialogSpec kSaveListDialogSpec;

// The filter as the platform takes it: every "|" a NUL, and the whole ended by an empty string.
std::string PlatformFilter(std::string_view filter);

// What a dialog left in its result buffer: one string, or for a multiple selection the run of
// strings up to and with the NUL of the empty one that ends it. Nothing when the string or the run has
// no end inside the buffer: the choice did not fit (some dialogs cut it short instead of refusing it).
std::optional<std::string> TakeDialogResult(std::string_view buffer, bool multiple);

struct DialogChoice {
    // One full path, or for a multiple selection the run of NUL-ended strings (folder, then names).
    std::string result;
    // The filter entry selected when the dialog ended, from 1.
    int filterIndex;
};

class FileDialogHost {
public:
    // Shows the dialog modally, proposing fileName (its folder too) and filter entry filterIndex.
    // Nothing comes back when the user cancelled, the dialog failed, or the result exceeded the limit.
    virtual std::optional<DialogChoice> Show(const FileDialogSpec& dialogSpec, const std::string& fileName,
                                             int filterIndex) = 0;

protected:
    ~FileDialogHost() = default;
};

// One dialog of the window. It remembers the first path and the filter entry of its last choice and
// proposes them the next time; a cancelled use changes neither.
class FileDialog {
public:
    explicit FileDialog(const FileDialogSpec& dialogSpec) : dialogSpec_(&dialogSpec) {}

    // Shows the dialog; the chosen paths (one unless the dialog takes several), or none when cancelled.
    std::vector<std::string> Execute(FileDialogHost& host);

    const FileDialogSpec& DialogSpec() const { return *dialogSpec_; }
    const std::string& FileName() const { return fileName_; }
    int FilterIndex() const { return filterIndex_; }

private:
    const FileDialogSpec* dialogSpec_;
    std::string fileName_;
    int filterIndex_ = 1;
};

} // namespace shell
