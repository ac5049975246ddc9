// Help > Contents and Help > About.
#include <string>

#include "shell/win/main_window.h"

namespace shell::win {

// Starts a further viewer on the help file at each use, as a program of its own: not waited for, its
// result ignored, and with no viewer to be found nothing is started and nothing is reported.
void TfrmVantrel::mnuContentsClick(const forms::Sender&) {
    help_.StartContents();
}

// The About box is not the main window's own: the program's entry hands over how to show it.
void TfrmVantrel::mnuAboutClick(const forms::Sender&) {
    if (showAboutBox)
        showAboutBox();
}

} // namespace shell::win
