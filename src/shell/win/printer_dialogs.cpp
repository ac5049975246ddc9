// Select Printer and Print Setup, on the common dialog library's Print and Print Setup dialogs, and the
// program's current printer they show and change, which starts as the default printer of the user's
// profile and the spooler.
#include "shell/win/printer_dialogs.h"

#include <winspool.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "base/exception.h"
#include "base/win/system_library.h"
#include "forms/win/application.h"
#include "forms/win/error_box.h"
#include "shell/default_printer.h"

namespace shell::win {

using forms::win::Application;

namespace {

// The Print dialog's fixed choices: all pages, and neither a page range, a selection range, a
// print-to-file box nor a warning when there is no default printer. No PD_SHOWHELP: no Help button.
constexpr DWORD kPrintDialogFlags = PD_ALLPAGES | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_NOWARNING;

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

// The selection for the system's default printer: the one the profile's windows/device entry names,
// if it is installed, with that printer's own default device settings. Throws base::Exception
// with "There is no default printer currently selected" when there is none.
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

// Places a dialog as it opens: centred across the screen, its top a third of the way down the height
// the dialog leaves free. Called by the dialog for its messages; places it and lets the dialog go on.
UINT_PTR CALLBACK PlaceDialog(HWND dialog, UINT message, WPARAM, LPARAM) noexcept {
    if (message != WM_INITDIALOG)
        return 0;
    RECT frame;
    GetWindowRect(dialog, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 3, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE; // the dialog sets the focus on its first control, as without a hook
}

short CopiesIn(const GlobalMemory& devMode) {
    LockedRecord<const DEVMODEA> settings(devMode);
    return settings && (settings->dmFields & DM_COPIES) ? settings->dmCopies : 1;
}

// Shows the dialog on the blocks, with every window of the program disabled; true for OK. The dialog
// may free the blocks it is given and answer with new ones: whatever it leaves in the record
// afterwards is owned here again.
bool ShowModal(PRINTDLGA& dialog, GlobalMemory& devNames, GlobalMemory& devMode) {
    forms::win::ProgramWindowsDisabled modal;
    dialog.hDevNames = devNames.Release();
    dialog.hDevMode = devMode.Release();
    const bool chosen = base::win::comdlg32::PrintDlgA(&dialog) != FALSE;
    devNames.Reset(dialog.hDevNames);
    devMode.Reset(dialog.hDevMode);
    return chosen;
}

} // namespace

void PrinterDialogs::ExecutePrintDialog() {
    Execute(Kind::Print);
}

void PrinterDialogs::ExecutePrintSetupDialog() {
    Execute(Kind::PrintSetup);
}

PrinterSelection& PrinterDialogs::CurrentPrinter() {
    if (!current_.IsSet())
        current_ = DefaultPrinterSelection();
    return current_;
}

void PrinterDialogs::Execute(Kind kind) {
    PrinterSelection& current = CurrentPrinter();
    // The dialog works on copies, so that a cancelled or failed dialog leaves the selection as it was.
    GlobalMemory devNames = current.devNames.Copy();
    GlobalMemory devMode = current.devMode.Copy();
    PRINTDLGA dialog = PrinterDialogRecord(kind == Kind::PrintSetup, Application.MainWindow(),
                                           static_cast<WORD>(CopiesIn(devMode)), &PlaceDialog);
    if (!ShowModal(dialog, devNames, devMode) || !devNames)
        return;
    if (kind == Kind::Print)
        KeepDialogCopies(devMode, dialog.nCopies);
    current.devNames = std::move(devNames);
    current.devMode = std::move(devMode);
}

PRINTDLGA PrinterDialogRecord(bool printSetup, HWND owner, WORD copies, LPPRINTHOOKPROC placeDialog) {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.nCopies = copies;
    // The placing hook is the Print dialog's hook, and for Print Setup its setup hook too: Windows calls
    // the setup hook for Print Setup, Wine only ever the print hook.
    dialog.lpfnPrintHook = placeDialog;
    if (printSetup) {
        dialog.Flags = PD_PRINTSETUP | PD_ENABLESETUPHOOK | PD_ENABLEPRINTHOOK;
        dialog.lpfnSetupHook = placeDialog;
    } else {
        dialog.Flags = kPrintDialogFlags | PD_ENABLEPRINTHOOK;
    }
    return dialog;
}

void KeepDialogCopies(const base::win::GlobalMemory& devMode, WORD dialogCopies) {
    if (!PrintDialogCopiesGoIntoDeviceSettings(dialogCopies))
        return;
    base::win::LockedRecord<DEVMODEA> settings(devMode);
    if (!settings)
        return;
    settings->dmCopies = static_cast<short>(dialogCopies);
    settings->dmFields |= DM_COPIES;
}

} // namespace shell::win
