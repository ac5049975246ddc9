#include "shell/win/printer_selection.h"

#include <winspool.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "base/exception.h"
#include "base/win/system_library.h"
#include "shell/default_printer.h"

namespace shell::win {
namespace {

using base::win::GlobalMemory;
using base::win::LockedRecord;
using base::win::PrinterHandle;

// The name DEVNAMES carries for the driver: the spooler's, as the profile's device entry has it.
constexpr char kSpoolerDriverName[] = "winspool";

struct InstalledPrinter {
    std::string name;
    std::string port;
};

std::string DefaultDeviceEntry() {
    return shell::ReadDeviceEntry([](char* buffer, size_t room) -> size_t {
        return GetProfileStringA("windows", "device", "", buffer, static_cast<DWORD>(room));
    });
}

// The printers of this user: local ones and connections, by name and port.
std::vector<InstalledPrinter> InstalledPrinters() {
    constexpr DWORD kWhich = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0;
    DWORD count = 0;
    base::win::winspool::EnumPrintersA(kWhich, nullptr, 5, nullptr, 0, &needed, &count);
    std::vector<BYTE> records(needed);
    if (needed == 0 || !base::win::winspool::EnumPrintersA(kWhich, nullptr, 5, records.data(), needed, &needed, &count))
        return {};
    const auto* info = reinterpret_cast<const PRINTER_INFO_5A*>(records.data());
    std::vector<InstalledPrinter> printers;
    for (DWORD i = 0; i < count; ++i)
        printers.push_back(
            {info[i].pPrinterName ? info[i].pPrinterName : "", info[i].pPortName ? info[i].pPortName : ""});
    return printers;
}

// A DEVNAMES record with the three names after it, each ended by a NUL; offsets count characters from
// the record's start.
GlobalMemory MakeDevNames(const std::string& driver, const std::string& device, const std::string& port) {
    const size_t driverOffset = sizeof(DEVNAMES);
    const size_t deviceOffset = driverOffset + driver.size() + 1;
    const size_t portOffset = deviceOffset + device.size() + 1;
    const size_t size = portOffset + port.size() + 1;
    if (size > 0xFFFF) // the offsets are WORDs
        throw base::Exception(shell::kNoDefaultPrinterMessage);
    GlobalMemory memory = GlobalMemory::Allocate(size);
    LockedRecord<char> bytes(memory);
    if (!bytes)
        throw std::bad_alloc();
    auto* names = reinterpret_cast<DEVNAMES*>(bytes.Get());
    names->wDriverOffset = static_cast<WORD>(driverOffset);
    names->wDeviceOffset = static_cast<WORD>(deviceOffset);
    names->wOutputOffset = static_cast<WORD>(portOffset);
    names->wDefault = DN_DEFAULTPRN;
    std::memcpy(bytes.Get() + driverOffset, driver.c_str(), driver.size() + 1);
    std::memcpy(bytes.Get() + deviceOffset, device.c_str(), device.size() + 1);
    std::memcpy(bytes.Get() + portOffset, port.c_str(), port.size() + 1);
    return memory;
}

// The printer's own default device settings, or an empty block when its driver gives none (the dialogs
// then ask the driver themselves).
GlobalMemory DefaultDeviceSettings(const std::string& device) {
    HANDLE opened = nullptr;
    std::string name = device;
    if (!base::win::winspool::OpenPrinterA(name.data(), &opened, nullptr))
        return GlobalMemory();
    PrinterHandle printer(opened);
    const LONG size =
        base::win::winspool::DocumentPropertiesA(nullptr, printer.Get(), name.data(), nullptr, nullptr, 0);
    if (size <= 0)
        return GlobalMemory();
    GlobalMemory memory = GlobalMemory::Allocate(static_cast<size_t>(size));
    LockedRecord<DEVMODEA> settings(memory);
    if (!settings || base::win::winspool::DocumentPropertiesA(nullptr, printer.Get(), name.data(), settings.Get(),
                                                              nullptr, DM_OUT_BUFFER) != IDOK)
        return GlobalMemory();
    return memory;
}

} // namespace

PrinterSelection DefaultPrinterSelection() {
    const std::vector<InstalledPrinter> installed = InstalledPrinters();
    std::vector<std::string> names;
    for (const InstalledPrinter& printer : installed)
        names.push_back(printer.name);
    const InstalledPrinter& printer = installed[shell::DefaultPrinterIndex(DefaultDeviceEntry(), names)];
    PrinterSelection selection;
    selection.devNames = MakeDevNames(kSpoolerDriverName, printer.name, printer.port);
    selection.devMode = DefaultDeviceSettings(printer.name);
    return selection;
}

} // namespace shell::win
