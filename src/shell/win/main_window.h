#pragma once
// TfrmVantrel, the main window: the frame, the controls of the layout table, the tool bar, the menu and
// shortcuts, the status line, F1 help, and the members its handlers share. The command table maps each
// command id to one of the event handlers declared here; a handler reports a failure by throwing, and
// the form base's exception wall shows it in the error box.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "automation/variant.h"
#include "base/win/owners.h"
#include "batch/print_run.h"
#include "forms/sender.h"
#include "forms/win/form.h"
#include "forms/win/help_viewer.h"
#include "res/resource.h"
#include "shell/file_dialog.h"
#include "shell/main_window_layout.h"
#include "shell/win/printer_dialogs.h"
#include "shell/win/taskbar_progress.h"

namespace shell::win {

// What a close handler may decide: None keeps the window open.
enum class CloseAction { Close, None };

class TfrmVantrel;

// F1 while a menu is open asks help for the highlighted item (as WM_MENUSELECT reported it). The key goes
// to the menu's own loop, and what the system makes of it differs (Wine sends WM_HELP twice, once for the
// item under the mouse pointer), so a message filter hook of this thread (WH_MSGFILTER, MSGF_MENU) takes
// the key there, asks once, and eats it.
class MenuHelpHook {
public:
    explicit MenuHelpHook(TfrmVantrel& form);
    ~MenuHelpHook();
    MenuHelpHook(const MenuHelpHook&) = delete;
    MenuHelpHook& operator=(const MenuHelpHook&) = delete;

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam) noexcept;

    HHOOK hook_;
};

class TfrmVantrel final : public forms::win::TForm, public batch::StatusLine {
public:
    // Builds the frame and the controls, constructs the members, runs FormCreate (an error there is shown
    // in the error box and start-up goes on) and shows the window centred. Throws when the window or a
    // control can't be built. iconId is the program's icon resource; F1 and Help > Contents go to help,
    // the file dialogs are shown through fileDialogs, and Help > About runs showAboutBox (nothing when
    // empty): all three outlive the window.
    TfrmVantrel(int iconId, forms::win::HelpViewer& help, FileDialogPlatform& fileDialogs,
                std::function<void()> showAboutBox);
    ~TfrmVantrel();

    // Handle() (from TForm) is the frame window.
    HWND lbxList() const { return Child(IDC_LBXLIST); }
    HWND stbVantrel() const { return Child(IDC_STBVANTREL); }
    // A radio button or check box shows its tick.
    bool IsChecked(int id) const;

    // The status line's text, painted at once: the run and the close hold the thread until they end.
    void SetStatus(const std::string& text) override;

    // --- event handlers ---------------------------------------------------------------------------
    void FormCreate();
    void FormClose(const forms::Sender& sender, CloseAction& action);
    void btnAddClick(const forms::Sender& sender);
    void btnRemoveClick(const forms::Sender& sender);
    void mnuOpenClick(const forms::Sender& sender);
    void mnuSaveClick(const forms::Sender& sender);
    void mnuSaveAsClick(const forms::Sender& sender);
    // Files and folders dropped from the shell (WM_DROPFILES); takes the drop and gives it back. Added as
    // Add adds the paths chosen in its dialog, but drawn once when all are in (a drop may bring
    // thousands); what was left out (see GatherDroppedDocuments) is named in the failure after the rest
    // went in.
    void FormDropFiles(HDROP drop);
    void btnPrintClick(const forms::Sender& sender);
    void mnuSelPrintClick(const forms::Sender& sender);
    void mnuPrintSetupClick(const forms::Sender& sender);
    void mnuContentsClick(const forms::Sender& sender);
    void mnuAboutClick(const forms::Sender& sender);
    void mnuExitClick(const forms::Sender& sender);

    // The host parts of FormCreate and FormClose.
    void ScanForHostWindows();
    void ExitHostAtClose();

    // The wait cursor over the window while a handler holds the thread (a run, a large drop): set at once,
    // and the answer to WM_SETCURSOR over the window and its controls until it goes, when the cursor
    // before it comes back.
    class WaitCursor {
    public:
        explicit WaitCursor(TfrmVantrel& form);
        ~WaitCursor();
        WaitCursor(const WaitCursor&) = delete;
        WaitCursor& operator=(const WaitCursor&) = delete;

    private:
        TfrmVantrel& form_;
        HCURSOR previous_;
    };

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int command, const forms::Sender& sender) override;
    // The list's item height and the tool buttons' pictures at the new dpi.
    void ScaleContents(int dpi) override;

private:
    // Built in this order, destroyed in reverse; the controls and tool buttons are the form base's
    // children, built after and destroyed after all of these, so the document reference (varActiveDoc)
    // goes before the host's and both go while the controls are still there.
    forms::win::HelpViewer& help_;
    FileDialogPlatform& fileDialogs_;
    std::function<void()> showAboutBox_;
    bool closing_ = false;        // FormClose ran and the quit request is posted
    int waitCursors_ = 0;         // WaitCursors alive
    int highlightedMenuItem_ = 0; // the menu item F1 asks help for while the menu is open (0: none)
    MenuHelpHook menuHelpHook_;
    base::win::ImageListHandle pictures_; // per tool button, in order: its normal and its disabled image
    // In the tool bar's order. Found here, not by id: a tool button shares its id with the push button of
    // the same command.
    std::vector<HWND> toolButtons_;
    TaskbarProgress taskbarProgress_{*this};

    automation::Variant varHostApp;
    batch::HostOwner hostOwner = batch::HostOwner::Vantrel; // whose host varHostApp holds
    automation::Variant varActiveDoc;
    // The current list file: empty until the first Open or Save As, then the path last chosen in either.
    std::string listFileName;
    // The dialogs keep what they remember from one use to the next: dlgOpen for Add, dlgOpenFileName for
    // Open, dlgSaveFileName for Save As, and the printer dialogs' current printer.
    FileDialog dlgOpen{kAddDialog};
    FileDialog dlgOpenFileName{kOpenListDialog};
    FileDialog dlgSaveFileName{kSaveListDialog};
    PrinterDialogs printerDialogs;

    void CreateFrame(int iconId);
    void CreateControls();
    void OnClose();
    bool OnSetCursor();
    void OnHelp(const HELPINFO& info);
    void OnMenuSelect(WPARAM wParam, LPARAM lParam);
    void HelpForHighlightedMenuItem();
    // The topic of a help context number: its page, or for 0 the help's default topic.
    void ShowHelpFor(int context);
    friend class MenuHelpHook;
    LRESULT FocusedPushButton() const;
};

// The main window while it exists, null before and after.
extern TfrmVantrel* frmVantrel;

} // namespace shell::win
