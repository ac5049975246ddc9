#pragma once
// The main window's three file dialogs: what each one shows, what it remembers between uses, how its
// result becomes paths, and the seam at the platform's one dialog call.
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

struct FileDialogSettings {
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
extern const FileDialogSettings kAddDialog;
// Open: one list file.
extern const FileDialogSettings kOpenListDialog;
// Save As: one list file.
extern const FileDialogSettings kSaveListDialog;

// The filter as the platform takes it: every "|" a NUL, and the whole ended by an empty string.
std::string PlatformFilter(std::string_view filter);

// What a dialog left in its result buffer: one string, or for a multiple selection the run of
// strings up to and with the NUL of the empty one that ends it. Nothing when the string or the run has
// no end inside the buffer: the choice did not fit (some dialogs cut it short instead of refusing it).
std::optional<std::string> TakeDialogResult(std::string_view buffer, bool multiple);

// What the platform's dialog call takes and gives back, already in its own form.
struct FileDialogCall {
    DialogKind kind;
    std::string filter;           // PlatformFilter of the dialog's filter
    std::string defaultExtension; // empty for none
    unsigned options;             // DialogOption bits
    // In: the proposed file name (its folder too), NUL-padded to the result limit. Out: what the dialog
    // wrote there; TakeDialogResult reads it.
    std::string buffer;
    // In: the proposed filter entry, from 1. Out: the entry selected when the dialog ended.
    int filterIndex;
};

// The platform's file dialog: GetOpenFileNameA or GetSaveFileNameA, nothing more.
class FileDialogPlatform {
public:
    // Shows the dialog modally. False when it ended without a choice: cancelled, failed, or a choice
    // longer than the buffer.
    virtual bool Run(FileDialogCall& call) = 0;

protected:
    ~FileDialogPlatform() = default;
};

// One dialog of the window. It remembers the first path and the filter entry of its last choice and
// proposes them the next time; a cancelled use changes neither.
class FileDialog {
public:
    explicit FileDialog(const FileDialogSettings& settings) : settings_(&settings) {}

    // Shows the dialog; the chosen paths (one unless the dialog takes several), or none when cancelled.
    std::vector<std::string> Execute(FileDialogPlatform& platform);

    const std::string& FileName() const { return fileName_; }
    int FilterIndex() const { return filterIndex_; }

private:
    // The call that shows this dialog with what it remembers.
    FileDialogCall Call() const;

    const FileDialogSettings* settings_;
    std::string fileName_;
    int filterIndex_ = 1;
};

// True for a name the dialog gives with its folder already in it: it begins with "\", or it is longer
// than three characters with ":" second and "\" third.
bool IsAbsoluteName(std::string_view name);

// result: a run of strings, each ended by a NUL, the run ended by an empty string (the end of result
// ends the run as well). One string is the full path of the one chosen file; otherwise the first is a
// folder and each further one a name in it, unless the name is already absolute. The paths keep the
// order of the names.
std::vector<std::string> ChosenPaths(std::string_view result);

} // namespace shell
