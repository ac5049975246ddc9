#pragma once
// What the printer dialogs are shown with, and what the Print dialog's answer leaves in the device
// settings: kept apart from the commands so that the adapter tests can check them.
#include <windows.h>
#include <commdlg.h>

#include "base/win/owners.h"

namespace shell::win {

// The record for the Print dialog or, with printSetup, the Print Setup dialog: owned by owner, placed
// by placeDialog as it opens, showing that copy count. The Print dialog gets its fixed choices; Print
// Setup gets PD_PRINTSETUP and the placing hook, none of the Print dialog's choices.
PRINTDLGA PrinterDialogRecord(bool printSetup, HWND owner, WORD copies, LPPRINTHOOKPROC placeDialog);

// Writes the Print dialog's copy count into the device settings it returned, marking it there
// (DM_COPIES), unless the dialog reports 1: the settings then stand as the dialog returned them.
void KeepDialogCopies(const base::win::GlobalMemory& devMode, WORD dialogCopies);

} // namespace shell::win
