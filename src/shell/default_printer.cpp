#include "shell/default_printer.h"

#include <algorithm>

#include "base/exception.h"

namespace shell {

namespace {

// Far beyond any printer name the spooler accepts; an entry that still fills this much room is taken
// as read so far rather than asked for without end.
constexpr size_t kLargestDeviceEntryRoom = 32768;

} // namespace

std::string ReadDeviceEntry(const std::function<size_t(char* buffer, size_t room)>& read) {
    std::string buffer;
    size_t room = kDeviceEntryRoom;
    for (;;) {
        buffer.assign(room, '\0');
        const size_t copied = std::min(read(buffer.data(), room), room - 1);
        if (copied < room - 1 || room == kLargestDeviceEntryRoom) {
            buffer.resize(copied);
            return buffer;
        }
        room = std::min(room * 2, kLargestDeviceEntryRoom);
    }
}

std::string PrinterNameOfDeviceEntry(std::string_view entry) {
    const size_t start = std::min(entry.find_first_not_of(' '), entry.size());
    const size_t comma = std::min(entry.find(',', start), entry.size());
    return std::string(entry.substr(start, comma - start));
}

size_t DefaultPrinterIndex(std::string_view deviceEntry, const std::vector<std::string>& installedPrinters) {
    const std::string name = PrinterNameOfDeviceEntry(deviceEntry);
    const auto found = std::find(installedPrinters.begin(), installedPrinters.end(), name);
    if (name.empty() || found == installedPrinters.end())
        throw base::Exception(kNoDefaultPrinterMessage);
    return static_cast<size_t>(found - installedPrinters.begin());
}

bool PrintDialogCopiesGoIntoDeviceSettings(int dialogCopies) {
    return dialogCopies != 1;
}

} // namespace shell
