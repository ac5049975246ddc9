#include "forms/help_file.h"

namespace forms {

std::string CompiledHelpFileName(const std::string& helpFile) {
    const size_t lastDot = helpFile.find_last_of('.');
    const size_t lastSeparator = helpFile.find_last_of("\\/");
    const bool hasExtension =
        lastDot != std::string::npos && (lastSeparator == std::string::npos || lastDot > lastSeparator);
    return (hasExtension ? helpFile.substr(0, lastDot) : helpFile) + ".chm";
}

std::wstring BesideProgram(const std::wstring& programPath, const std::wstring& fileName) {
    const size_t lastSeparator = programPath.find_last_of(L"\\/");
    if (lastSeparator == std::wstring::npos)
        return fileName;
    return programPath.substr(0, lastSeparator + 1) + fileName;
}

std::wstring HelpPageAddress(const std::wstring& compiledHelpPath, const std::wstring& page) {
    return page.empty() ? compiledHelpPath : compiledHelpPath + L"::/" + page;
}

} // namespace forms
