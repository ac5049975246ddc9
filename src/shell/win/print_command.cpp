// The Print command: the batch print run over the file list, with the main window as its view.
#include "shell/win/list_box_file_list.h"
#include "shell/win/main_window.h"
#include "base/win/text.h"
#include "batch/print_run.h"

namespace shell::win {
namespace {

using batch::DisplayChoice;

class WindowPrintRunView final : public batch::PrintRunView {
public:
    explicit WindowPrintRunView(TfrmVantrel& form) : form_(form), list_(form.lbxList()) {}

    int EntryCount() override { return list_.Count(); }
    std::string LowerCaseEntry(int index) override { return base::win::AnsiLower(list_.Entry(index)); }
    bool DisplayChosen(DisplayChoice choice) override { return form_.IsChecked(RadioOf(choice)); }
    bool Isometric() override { return form_.IsChecked(IDC_CHKISOMETRIC); }
    bool ZoomToFit() override { return form_.IsChecked(IDC_CHKZOOMFIT); }
    bool Preview() override { return form_.IsChecked(IDC_CHKPREVIEW); }

    void SetStatus(const std::string& text) override {
        form_.SetStatusText(text);
        // The run holds the thread until it ends, so the status bar is painted now rather than at the
        // next turn of the message loop; this handles no input.
        UpdateWindow(form_.stbVantrel());
    }

    // A plain wait: no message is handled while it lasts.
    void Pause(uint32_t milliseconds) override { Sleep(milliseconds); }

private:
    static int RadioOf(DisplayChoice choice) {
        switch (choice) {
        case DisplayChoice::HiddenVisible:
            return IDC_RDOHIDDENVISIBLE;
        case DisplayChoice::HiddenGrayed:
            return IDC_RDOHIDDENGRAYED;
        case DisplayChoice::HiddenRemoved:
            return IDC_RDOHIDDENREMOVED;
        case DisplayChoice::Shaded:
            return IDC_RDOSHADED;
        }
        return 0;
    }

    TfrmVantrel& form_;
    shell::win::ListBoxFileList list_;
};

} // namespace

void TfrmVantrel::btnPrintClick(const forms::Sender&) {
    WindowPrintRunView view(*this);
    batch::RunPrintBatch(view, varHostApp, varActiveDoc, taskbarProgress_);
}

} // namespace shell::win
