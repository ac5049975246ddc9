#include "shell/win/printer_dialog_record.h"

#include "shell/default_printer.h"

namespace shell::win {
namespace {

// The Print dialog's fixed choices: all pages, and neither a page range, a selection range, a
// print-to-file box nor a warning when there is no default printer. No PD_SHOWHELP: no Help button.
constexpr DWORD kPrintDialogFlags = PD_ALLPAGES | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_NOWARNING;

} // namespace

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
