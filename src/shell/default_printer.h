#pragma once
// The rules of the program's printer selection that don't need the spooler: which printer the user's
// profile names as the default, how that name is read from the profile, and which copy count the
// device settings keep after the Print dialog. The Windows side (printer_dialogs.cpp) asks the
// profile and the spooler and follows these.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// The `device` entry of the profile's `windows` section is read into this much room first, the
// terminating NUL included; see ReadDeviceEntry for longer entries.
inline constexpr size_t kDeviceEntryRoom = 79;

inline constexpr char kNoDefaultPrinterMessage[] = "There is no default printer currently selected";

// Reads a profile entry through read(buffer, room), which answers as GetProfileStringA does: it
// copies at most room - 1 characters and a NUL, and returns how many characters it copied. An entry
// that fills the room may have been cut, so it is read again with twice the room until it fits: a
// default printer whose name is longer than the first room is still found whole, and a cut name can
// never match another printer whose name happens to be its beginning.
std::string ReadDeviceEntry(const std::function<size_t(char* buffer, size_t room)>& read);

// The printer name of a device entry ("name,driver,port"): the text before the first comma, with
// leading spaces skipped. Empty for an empty entry.
std::string PrinterNameOfDeviceEntry(std::string_view entry);

// The index among the installed printers of the one the device entry names, matched exactly (case
// and all). Throws base::Exception(kNoDefaultPrinterMessage) when the entry names none or a
// printer that is not installed.
size_t DefaultPrinterIndex(std::string_view deviceEntry, const std::vector<std::string>& installedPrinters);

// Whether the copy count the Print dialog reports on OK goes into the device settings it returned. The
// dialog reports 1 when it has put the count into the device settings itself (a driver that makes
// copies), so those stand as they are; any other count is the user's choice and is written into them.
bool PrintDialogCopiesGoIntoDeviceSettings(int dialogCopies);

} // namespace shell
