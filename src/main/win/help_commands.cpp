// Help > Contents and Help > About.
#include "main_window.h"

void TfrmVantrel::mnuContentsClick(const Sender&) {}

void TfrmVantrel::mnuAboutClick(const Sender&) {}
