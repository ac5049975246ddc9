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

} // namespace shell
