#pragma once
// Where Vantrel's compiled help is, and how HTML Help is told a page of it. The application's help file
// setting names the help as WinHelp did ("Vantrel.hlp"); the compiled HTML Help file has the same name
// with ".chm" in place of its extension and sits beside the program. Paths are UTF-16: the program's
// folder may hold any character Windows allows in a file name.
#include <string>

namespace forms {

// "Vantrel.hlp" -> "Vantrel.chm"; a name without an extension gets ".chm" added.
std::string CompiledHelpFileName(const std::string& helpFile);

// The file beside the program: the folder of programPath (a full Windows path) joined with fileName.
std::wstring BesideProgram(const std::wstring& programPath, const std::wstring& fileName);

// The name HTML Help opens one page of a compiled file by, "<file>::/<page>" (page at the file's root);
// with no page, the file itself, whose default topic it shows.
std::wstring HelpPageAddress(const std::wstring& compiledHelpPath, const std::wstring& page);

} // namespace forms
