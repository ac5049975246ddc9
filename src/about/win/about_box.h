#pragma once
// TfrmAbout, the About box: created hidden at start-up, after the main window, and kept for the whole
// run. It is shown without blocking the main window (About on the Help menu) and only hidden again by
// OK, Enter, Esc and its close button, so the same box, with its place on the screen, serves every
// showing.
#include <windows.h>

#include <string>

#include "base/win/owners.h"
#include "forms/sender.h"
#include "forms/win/form.h"

namespace about::win {

// lblProductName reads this followed by the application title.
inline constexpr char kProductNamePrefix[] = "Product Name:   ";

class TfrmAbout final : public forms::win::TForm {
public:
    // Builds the frame and its controls, hidden, and runs FormCreate. iconId is the program's icon
    // resource, shown in the title bar and the panel. Throws when a window can't be built.
    explicit TfrmAbout(int iconId);

    // Captions the box and lblProductName with the application title, shows the box and brings it to the
    // front: centred on the screen the first time, afterwards where it was when last hidden.
    void ShowInFront();

    // --- event handlers ---------------------------------------------------------------------------
    void FormCreate();
    void OKButtonClick(const forms::Sender& sender);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int command, const forms::Sender& sender) override;
    // The program's icon at the new dpi.
    void ScaleContents(int dpi) override;

private:
    void CreateControls();

    const int iconId_; // set before the frame is created: its dpi changes reload the icon
    bool shownBefore_ = false;
    base::win::IconHandle icon_; // drawn by ProgramIcon; goes before the children, which no longer draw then
};

// The About box while it exists, null before and after.
extern TfrmAbout* frmAbout;

} // namespace about::win
