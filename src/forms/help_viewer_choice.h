#pragma once
// Which help viewer shows Vantrel's help on the running Windows, and where its help file is. WinHelp's
// viewer left Windows with Vista: from there on the help is compiled HTML Help, opened through the
// system's HTML Help viewer. The application's help file setting keeps naming the WinHelp file; the
// compiled HTML Help file has the same name with ".chm" in place of its extension.
#include <string>

namespace forms {

struct PlatformVersion {
    unsigned major = 0;
    unsigned minor = 0;
};

enum class HelpViewer { WinHelp, HtmlHelp };

inline constexpr PlatformVersion kFirstVersionWithoutWinHelp{6, 0}; // Vista

HelpViewer HelpViewerFor(PlatformVersion version);

// "Vantrel.hlp" -> "Vantrel.chm"; a name without an extension gets ".chm" added.
std::string CompiledHelpFileName(const std::string& helpFile);

// The file beside the program: the folder of programPath (a full Windows path) joined with fileName.
std::string BesideProgram(const std::string& programPath, const std::string& fileName);

} // namespace forms
