#pragma once
// The main window's printer dialogs (dlgPrintDialog, dlgPrinterSetupDialog): the state they keep between
// uses. Owned by the printer commands; TfrmVantrel holds one as its member printerDialogs.
struct PrinterDialogs {};
