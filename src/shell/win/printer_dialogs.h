#pragma once
// The main window's printer dialogs (dlgPrintDialog, dlgPrinterSetupDialog) and the printer selection
// they show and change. TfrmVantrel holds one as its member printerDialogs; as there is one main
// window for the whole run, its selection is the program's one current printer.
#include <windows.h>
#include <commdlg.h>

#include "base/win/owners.h"

namespace shell::win {

// The program's current printer: the printer (device, driver and port, as a DEVNAMES record) and its
// device settings (a DEVMODE record), both in movable global memory because that is how PrintDlgA
// takes and gives them.
struct PrinterSelection {
    base::win::GlobalMemory devNames; // DEVNAMES: driver, device and port
    base::win::GlobalMemory devMode;  // DEVMODEA; may be empty if the driver gave no settings, then the dialog asks it

    bool IsSet() const { return static_cast<bool>(devNames); }
};

class PrinterDialogs {
public:
    // The Print dialog (Select Printer) and the Print Setup dialog, owned by the application's window
    // and modal for the whole program. Each starts on the current printer with a copy of its device
    // settings; OK makes the dialog's printer and settings the current ones, Cancel or a dialog that
    // can't be shown changes nothing. At the first use the current printer becomes the default printer;
    // when there is none, base::Exception("There is no default printer currently selected")
    // escapes, no dialog shows, and the next use tries again.
    void ExecutePrintDialog();
    void ExecutePrintSetupDialog();

private:
    enum class Kind { Print, PrintSetup };
    PrinterSelection& CurrentPrinter();
    void Execute(Kind kind);

    PrinterSelection current_; // unset until the first use
};

// The record for the Print dialog or, with printSetup, the Print Setup dialog: owned by owner, placed
// by placeDialog as it opens, showing that copy count. The Print dialog gets its fixed choices; Print
// Setup gets PD_PRINTSETUP and the placing hook, none of the Print dialog's choices.
PRINTDLGA PrinterDialogRecord(bool printSetup, HWND owner, WORD copies, LPPRINTHOOKPROC placeDialog);

// Writes the Print dialog's copy count into the device settings it returned, marking it there
// (DM_COPIES), unless the dialog reports 1: the settings then stand as the dialog returned them.
void KeepDialogCopies(const base::win::GlobalMemory& devMode, WORD dialogCopies);

} // namespace shell::win
