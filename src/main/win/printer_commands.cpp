// The printer commands: Select Printer and Print Setup.
#include "main_window.h"

void TfrmVantrel::mnuSelPrintClick(const Sender&) {}

void TfrmVantrel::mnuPrintSetupClick(const Sender&) {}
