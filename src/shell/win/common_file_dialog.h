#pragma once
// The file dialogs through the common dialog library's GetOpenFileNameA and GetSaveFileNameA, Explorer
// style.
#include <windows.h>

#include "shell/file_dialog.h"

namespace shell::win {

class CommonFileDialog final : public FileDialogPlatform {
public:
    explicit CommonFileDialog(HWND owner) : owner_(owner) {}

    bool Run(FileDialogCall& call) override;

private:
    HWND owner_;
};

} // namespace shell::win
