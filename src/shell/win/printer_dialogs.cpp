// Select Printer and Print Setup, on the common dialog library's Print and Print Setup dialogs.
#include "shell/win/printer_dialogs.h"

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
