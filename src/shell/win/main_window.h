#pragma once
// TfrmVantrel, the main window: the frame, the controls of the layout table, the tool bar, the menu and
// shortcuts, the status line, F1 help, and the members the commands share. Its event handlers live in
// one file per subject:
//   main_window.cpp           creation, FormCreate, close, F1, message handling (the shell)
//   main_window_commands.cpp  the command table and mnuExitClick
//   file_list_commands.cpp    btnAddClick, btnRemoveClick, mnuOpenClick, mnuSaveClick, mnuSaveAsClick
//   print_command.cpp         btnPrintClick
//   printer_commands.cpp      mnuSelPrintClick, mnuPrintSetupClick
//   help_commands.cpp         mnuContentsClick, mnuAboutClick
//   host_lifecycle.cpp        hostWasRunning, ScanForHostWindows, ExitHostAtClose
#include <windows.h>

#include <string>
#include <vector>

#include "automation/variant.h"
#include "base/win/owners.h"
#include "forms/win/form.h"
#include "res/resource.h"
#include "shell/list_commands.h"
#include "shell/win/printer_dialogs.h"

// What raised a command: the id of the control, tool button, menu item or shortcut (a shortcut sends its
// menu item's id), and the control's window, null for a menu item or shortcut. Handlers ignore it.
struct Sender {
    int id = 0;
    HWND control = nullptr;
};

// What a close handler may decide: None keeps the window open.
enum class CloseAction { Close, None };

// The controls and tool buttons, built from the layout tables and scaled to the system dpi. They are
// destroyed by their owner, before the font and pictures they use.
class MainWindowControls {
public:
    MainWindowControls(HWND form, int dpi, HFONT font, const std::vector<base::win::ImageListHandle>& pictures);
    ~MainWindowControls();
    MainWindowControls(const MainWindowControls&) = delete;
    MainWindowControls& operator=(const MainWindowControls&) = delete;

    // A control or tool button by its IDC_ id; null for an id the window doesn't have.
    HWND Get(int id) const;

private:
    void Add(int id, HWND window);
    void DestroyAll();

    std::vector<std::pair<int, HWND>> windows_; // in creation order
    HWND tooltip_ = nullptr;
};

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

class TfrmVantrel final : public TForm {
public:
    // Builds the frame and the controls, constructs the members, runs FormCreate (an error there is shown
    // in the error box and start-up goes on) and shows the window centred. Throws when the window or a
    // control can't be built.
    TfrmVantrel();
    ~TfrmVantrel();

    // --- for the commands -------------------------------------------------------------------------
    // Handle() (from TForm) is the frame window.
    HWND Control(int id) const { return controls_.Get(id); }
    HWND lbxList() const { return Control(IDC_LBXLIST); }
    HWND rdoHiddenVisible() const { return Control(IDC_RDOHIDDENVISIBLE); }
    HWND rdoHiddenGrayed() const { return Control(IDC_RDOHIDDENGRAYED); }
    HWND rdoHiddenRemoved() const { return Control(IDC_RDOHIDDENREMOVED); }
    HWND rdoShaded() const { return Control(IDC_RDOSHADED); }
    HWND chkIsometric() const { return Control(IDC_CHKISOMETRIC); }
    HWND chkZoomFit() const { return Control(IDC_CHKZOOMFIT); }
    HWND chkPreview() const { return Control(IDC_CHKPREVIEW); }
    HWND stbVantrel() const { return Control(IDC_STBVANTREL); }
    // A radio button or check box shows its tick.
    bool IsChecked(int id) const;

    // The status line's one text.
    void SetStatusText(const std::string& text);
    std::string StatusText() const;

    // --- event handlers ---------------------------------------------------------------------------
    void FormCreate();
    void FormClose(const Sender& sender, CloseAction& action);
    void btnAddClick(const Sender& sender);
    void btnRemoveClick(const Sender& sender);
    void mnuOpenClick(const Sender& sender);
    void mnuSaveClick(const Sender& sender);
    void mnuSaveAsClick(const Sender& sender);
    void btnPrintClick(const Sender& sender);
    void mnuSelPrintClick(const Sender& sender);
    void mnuPrintSetupClick(const Sender& sender);
    void mnuContentsClick(const Sender& sender);
    void mnuAboutClick(const Sender& sender);
    void mnuExitClick(const Sender& sender);

    // The host parts of FormCreate and FormClose.
    void ScanForHostWindows();
    void ExitHostAtClose();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The members are declared in the order they must be built and destroyed in reverse: the font and
    // pictures outlive the controls that draw with them; the controls are built before, and destroyed
    // after, varHostApp, varActiveDoc and listFileName, so the document reference goes before the host's.
    const int dpi_;
    HWND lastFocus_ = nullptr;    // the control that gets the focus back when the window is activated
    bool closing_ = false;        // FormClose ran and the quit request is posted
    int highlightedMenuItem_ = 0; // the menu item F1 asks help for while the menu is open (0: none)
    MenuHelpHook menuHelpHook_;
    base::win::FontHandle font_;
    std::vector<base::win::ImageListHandle> pictures_; // one per tool button: normal and disabled image
    MainWindowControls controls_;

public:
    automation::Variant varHostApp;
    automation::Variant varActiveDoc;
    std::string listFileName;
    // The dialogs' remembered state, kept from one use to the next; their commands own these types
    // (list_commands.h, printer_dialogs.h).
    shell::FileListDialogs fileDialogs;
    PrinterDialogs printerDialogs;

private:
    MainWindowControls CreateFrameAndControls();
    void RunCommand(int id, HWND control);
    void OnClose();
    void OnHelp(const HELPINFO& info);
    void OnMenuSelect(WPARAM wParam, LPARAM lParam);
    void HelpForHighlightedMenuItem();
    friend class MenuHelpHook;
    bool RestoreFocusOnActivate(WPARAM wParam);
    LRESULT FocusedPushButton() const;
};

// The main window while it exists, null before and after.
extern TfrmVantrel* frmVantrel;
