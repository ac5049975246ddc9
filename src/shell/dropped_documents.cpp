#include "shell/dropped_documents.h"

#include <utility>

namespace shell {

namespace {

constexpr std::string_view kDocumentExtensions[] = {".prt", ".sldprt", ".asm", ".sldasm", ".drw", ".slddrw"};
constexpr size_t kLeftOutShown = 10;
// A path longer than this is shown cut short in the error box.
constexpr size_t kLongestShownPath = 200;

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view lowerSuffix) {
    if (text.size() < lowerSuffix.size())
        return false;
    text.remove_prefix(text.size() - lowerSuffix.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (AsciiLower(text[i]) != lowerSuffix[i])
            return false;
    }
    return true;
}

std::optional<LeftOutReason> Refusal(const ShellName& name, const std::string& path) {
    if (!name.exact)
        return LeftOutReason::NotInCodePage;
    if (path.size() > kLongestEntry)
        return LeftOutReason::TooLong;
    return std::nullopt;
}

// Breadth first, without recursion: a deep tree can't exhaust the stack.
void WalkFolder(const std::string& root, DropFileSystem& files, DroppedDocuments& found) {
    std::vector<std::string> pending{root};
    for (size_t next = 0; next < pending.size(); ++next) {
        const std::string folder = pending[next]; // a copy: pending grows below
        const std::optional<std::vector<FolderItem>> items = files.Items(folder);
        if (!items) {
            found.leftOut.push_back({LeftOutReason::Unreadable, folder});
            continue;
        }
        for (const FolderItem& item : *items) {
            if (item.folder ? item.link : !IsDocumentName(item.name.text))
                continue;
            std::string path = JoinPath(folder, item.name.text);
            if (const auto reason = Refusal(item.name, path))
                found.leftOut.push_back({*reason, std::move(path)});
            else
                (item.folder ? pending : found.paths).push_back(std::move(path));
        }
    }
}

void GatherOne(const ShellName& name, DropFileSystem& files, DroppedDocuments& found) {
    if (name.text.empty()) {
        found.leftOut.push_back({LeftOutReason::NotAFile, ""});
        return;
    }
    if (const auto reason = Refusal(name, name.text)) {
        found.leftOut.push_back({*reason, name.text});
        return;
    }
    switch (files.Kind(name.text)) {
    case PathKind::File:
        found.paths.push_back(name.text);
        return;
    case PathKind::Missing:
        found.leftOut.push_back({LeftOutReason::NotAFile, name.text});
        return;
    case PathKind::Folder: {
        const size_t paths = found.paths.size();
        const size_t leftOut = found.leftOut.size();
        WalkFolder(name.text, files, found);
        if (found.paths.size() == paths && found.leftOut.size() == leftOut)
            found.leftOut.push_back({LeftOutReason::NoDocuments, name.text});
        return;
    }
    }
}

const char* ReasonText(LeftOutReason reason) {
    switch (reason) {
    case LeftOutReason::NotInCodePage:
        return "the name has characters that the system's ANSI code page can't hold";
    case LeftOutReason::TooLong:
        return "the path is longer than 4095 bytes";
    case LeftOutReason::Unreadable:
        return "the folder can't be read";
    case LeftOutReason::NoDocuments:
        return "no parts, assemblies or drawings in the folder or its subfolders";
    case LeftOutReason::NotAFile:
        break;
    }
    return "not a file or folder";
}

// Cut where a character ends: back over every byte above 127, which may be part of a double-byte one.
std::string ShownPath(const std::string& path) {
    if (path.empty())
        return "(an item without a file path)";
    if (path.size() <= kLongestShownPath)
        return path;
    size_t end = kLongestShownPath;
    while (end > 0 && static_cast<unsigned char>(path[end - 1]) > 127)
        --end;
    return path.substr(0, end) + "...";
}

} // namespace

bool IsDocumentName(std::string_view name) {
    for (std::string_view extension : kDocumentExtensions) {
        if (EndsWithIgnoringCase(name, extension))
            return true;
    }
    return false;
}

std::string JoinPath(const std::string& folder, std::string_view name) {
    const bool driveRoot = folder.size() == 3 && folder[1] == ':' && folder[2] == '\\';
    std::string path = driveRoot ? folder : folder + '\\';
    path += name;
    return path;
}

DroppedDocuments GatherDroppedDocuments(const std::vector<ShellName>& dropped, DropFileSystem& files) {
    DroppedDocuments found;
    for (const ShellName& name : dropped)
        GatherOne(name, files, found);
    return found;
}

std::string LeftOutMessage(const std::vector<LeftOut>& leftOut) {
    if (leftOut.empty())
        return "";
    std::string message = "These dropped items were not added:\n";
    for (size_t i = 0; i < leftOut.size() && i < kLeftOutShown; ++i)
        message += "\n" + ShownPath(leftOut[i].path) + ": " + ReasonText(leftOut[i].reason);
    if (leftOut.size() > kLeftOutShown)
        message += "\n... and " + std::to_string(leftOut.size() - kLeftOutShown) + " more";
    return message;
}

} // namespace shell
