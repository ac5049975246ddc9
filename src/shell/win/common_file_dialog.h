#pragma once
// The file dialogs through the common dialog library's GetOpenFileNameA and GetSaveFileNameA, Explorer
// style, owned by the application's main window and modal for it, as the printer dialogs are.
#include <windows.h>

#include "shell/file_dialog.h"

namespace shell::win {

class CommonFileDialog final : public FileDialogPlatform {
public:
    bool Run(FileDialogCall& call) override;
};

} // namespace shell::win
