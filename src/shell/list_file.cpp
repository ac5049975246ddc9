#include "shell/list_file.h"

namespace shell {

namespace {
constexpr std::string_view kLineEnd = "\r\n";
}

std::string EncodeListFile(const std::vector<std::string>& entries) {
    size_t size = 0;
    for (const std::string& entry : entries)
        size += entry.size() + kLineEnd.size();
    std::string text;
    text.reserve(size);
    for (const std::string& entry : entries) {
        text += entry;
        text += kLineEnd;
    }
    return text;
}

std::vector<std::string_view> DecodeListFile(std::string_view bytes) {
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        // CR LF is one line end; LF CR is two.
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::string FileResultMessage(FileResult result, const std::string& path) {
    switch (result) {
    case FileResult::Ok:
        return {};
    case FileResult::CannotOpen:
        return "Cannot open file " + path;
    case FileResult::ReadFailed:
        return "Stream read error";
    case FileResult::CannotCreate:
        return "Cannot create file " + path;
    case FileResult::WriteFailed:
        return "Stream write error";
    case FileResult::KeptBeside:
        return "Stream write error: the new list is in " + TemporaryListFileName(path) + " beside " + path +
               " or, if that is a link, beside the file it links to";
    }
    return {};
}

std::string TemporaryListFileName(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return "~" + path.substr(slash == std::string::npos ? 0 : slash + 1) + ".vantrel-tmp";
}

} // namespace shell
