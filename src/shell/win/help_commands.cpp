// Help > Contents and Help > About.
#include <string>

#include "forms/win/application.h"
#include "shell/win/main_window.h"

namespace shell::win {

using forms::Application;

// Starts a further viewer on the help file at each use, as a program of its own: not waited for, its
// result ignored, and with no viewer to be found nothing is started and nothing is reported.
void TfrmVantrel::mnuContentsClick(const forms::Sender&) {
    Application.StartHelpViewer();
}

// The About box is not the main window's own: the program's entry hands over how to show it.
void TfrmVantrel::mnuAboutClick(const forms::Sender&) {
    if (showAboutBox)
        showAboutBox();
}

} // namespace shell::win
