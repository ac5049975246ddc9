#pragma once
// The file dialogs through GetOpenFileNameA and GetSaveFileNameA, Explorer style.
#include <windows.h>

#include "shell/file_dialog.h"

namespace shell::win {

class WinFileDialogHost final : public FileDialogHost {
public:
    explicit WinFileDialogHost(HWND owner) : owner_(owner) {}

    std::optional<DialogChoice> Show(const FileDialogSpec& dialogSpec, const std::string& fileName,
                                     int filterIndex) override;

private:
    HWND owner_;
};

// The platform flags for a dialog's options, OFN_EXPLORER included.
DWORD DialogFlags(unsigned options);

} // namespace shell::win
