#pragma once
// TfrmAbout, the About box: created hidden at start-up, after the main window, and kept for the whole
// run. It is shown without blocking the main window (About on the Help menu) and only hidden again by
// OK, Enter, Esc and its close button, so the same box, with its place on the screen, serves every
// showing.
#include <windows.h>

#include <string>

#include "forms/win/form.h"
#include "base/win/owners.h"

struct Sender;

// lblProductName reads this followed by the application title.
inline constexpr char kProductNamePrefix[] = "Product Name:   ";

class TfrmAbout final : public TForm {
public:
    // Builds the frame and its controls, hidden, and runs FormCreate. Throws when a window can't be built.
    TfrmAbout();
    ~TfrmAbout();

    // The caption of lblProductName.
    void SetProductName(const std::string& caption);
    // Shows the box and brings it to the front: centred on the screen the first time, afterwards where
    // it was when last hidden.
    void ShowInFront();

    // --- event handlers ---------------------------------------------------------------------------
    void FormCreate();
    void OKButtonClick(const Sender& sender);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void RestoreFocusOnActivate(WPARAM wParam);

    const int dpi_;
    base::win::FontHandle font_; // outlives the controls: the frame and its controls go in the destructor's body
    HWND lblProductName_ = nullptr;
    HWND lastFocus_ = nullptr; // the control that gets the focus when the box is activated
    bool shownBefore_ = false;
};

// The About box while it exists, null before and after.
extern TfrmAbout* frmAbout;
