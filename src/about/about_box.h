#pragma once
// TfrmAbout, the About box: created hidden at start-up, after the main window, and kept for the whole run.
#include <windows.h>

#include "form.h"

class TfrmAbout final : public TForm {
public:
    TfrmAbout();

    void FormCreate();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The About box while it exists, null before and after.
extern TfrmAbout* frmAbout;
