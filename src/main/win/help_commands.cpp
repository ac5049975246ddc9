// Help > Contents and Help > About.
#include "about_box.h"
#include "application.h"
#include "main_window.h"

// Starts a further viewer on the help file at each use, as a program of its own: not waited for, its
// result ignored, and with no viewer to be found nothing is started and nothing is reported.
void TfrmVantrel::mnuContentsClick(const Sender&) {
    Application.StartHelpViewer();
}

void TfrmVantrel::mnuAboutClick(const Sender&) {
    if (!frmAbout)
        return;
    frmAbout->SetCaption(Application.Title());
    frmAbout->SetProductName(kProductNamePrefix + Application.Title());
    frmAbout->ShowInFront();
}
