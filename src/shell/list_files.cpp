#include "shell/list_files.h"

namespace shell {

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
    }
    return {};
}

std::string FolderOfPath(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos)
        return ".";
    // "C:\name" and "\name" keep their root.
    if (slash == 0 || (slash == 2 && path[1] == ':'))
        return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

} // namespace shell
