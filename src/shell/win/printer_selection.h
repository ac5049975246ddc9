#pragma once
// The program's current printer: the printer (device, driver and port, as a DEVNAMES record) and its
// device settings (a DEVMODE record), both in movable global memory because that is how PrintDlgA
// takes and gives them. One selection, held by the main window's printer dialogs for the whole run.
#include <windows.h>

#include "base/win/owners.h"

namespace shell::win {

struct PrinterSelection {
    base::win::GlobalMemory devNames; // DEVNAMES: driver, device and port
    base::win::GlobalMemory devMode;  // DEVMODEA; may be empty if the driver gave no settings, then the dialog asks it

    bool IsSet() const { return static_cast<bool>(devNames); }
};

// The selection for the system's default printer: the one the profile's windows/device entry names,
// if it is installed, with that printer's own default device settings. Throws base::Exception
// with "There is no default printer currently selected" when there is none.
PrinterSelection DefaultPrinterSelection();

} // namespace shell::win
