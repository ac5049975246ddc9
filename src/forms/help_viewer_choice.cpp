#include "forms/help_viewer_choice.h"

namespace forms {

HelpViewer HelpViewerFor(PlatformVersion version) {
    const bool beforeVista =
        version.major < kFirstVersionWithoutWinHelp.major ||
        (version.major == kFirstVersionWithoutWinHelp.major && version.minor < kFirstVersionWithoutWinHelp.minor);
    return beforeVista ? HelpViewer::WinHelp : HelpViewer::HtmlHelp;
}

std::string CompiledHelpFileName(const std::string& helpFile) {
    const size_t lastDot = helpFile.find_last_of('.');
    const size_t lastSeparator = helpFile.find_last_of("\\/");
    const bool hasExtension =
        lastDot != std::string::npos && (lastSeparator == std::string::npos || lastDot > lastSeparator);
    return (hasExtension ? helpFile.substr(0, lastDot) : helpFile) + ".chm";
}

std::string BesideProgram(const std::string& programPath, const std::string& fileName) {
    const size_t lastSeparator = programPath.find_last_of("\\/");
    if (lastSeparator == std::string::npos)
        return fileName;
    return programPath.substr(0, lastSeparator + 1) + fileName;
}

} // namespace forms
