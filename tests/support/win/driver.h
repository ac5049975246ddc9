#pragma once
// A small driver that works Vantrel.exe from outside, as a user would: it starts the program, finds its
// windows by class and caption, reads and presses controls, sends keys and mouse input, answers dialogs,
// reads the help viewer stand-ins' journal and waits for the process to end. The tests of every command are written
// on it; it runs under Wine in the same prefix and on the same desktop as the program.
//
// Things to know when writing a test on it:
// - Every wait here handles the driver's own messages while it waits, so a window the driver owns can
//   answer the program at any time.
// - Pressing a control that opens a modal dialog must post (PostClick, PostCommand), not send: a sent
//   message returns only when the handler does, which waits for the dialog to be closed.
// - Messages that carry a pointer are not marshalled across processes unless the system knows them;
//   RemoteMemory gives a buffer inside the program for the others (status bar, tooltip, list box W forms
//   are handled here already).
// - Real keyboard input (PressKeys) goes to the foreground window; the helpers bring the window to the
//   front first and check that it is there.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/win/owners.h"
#include "support/win/planted.h"
#include "support/win/registry_value.h"

namespace support::win {

// Handles the driver's own messages for the given time.
void Pump(DWORD milliseconds);
// Polls condition (handling the driver's messages) until it holds or the time is up; true if it held.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMilliseconds);

// Vantrel.exe, built next to the running test program (TestProgramFolder).
std::wstring VantrelPath();

// --- windows of any process --------------------------------------------------------------------------
std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
// The first descendant (depth first, in z-order) with that class and caption; null matches anything.
HWND FindChild(HWND parent, const wchar_t* className, const wchar_t* caption = nullptr);
HWND FindChildById(HWND parent, int id);
std::vector<HWND> Children(HWND parent); // direct children, in z-order
// A child's window rectangle in its parent's client coordinates (what the layout gives as its position).
RECT RectInParent(HWND child);
RECT ClientRect(HWND window);
bool IsChecked(HWND button);
// The entries of a list box, read with the W forms (the A forms come back as UTF-16 across processes).
std::vector<std::wstring> ListBoxItems(HWND listBox);
// Adds an entry as the program's own list would get one (LB_ADDSTRING): for setting up a list quickly.
void AddListBoxItem(HWND listBox, const std::wstring& entry);

// Presses a button and returns when its handler has returned.
void Click(HWND button);
// Presses a button and returns at once: for a button whose handler opens a modal dialog.
void PostClick(HWND button);
// Chooses a menu item (or sends a shortcut's command) the way the menu does: WM_COMMAND, posted.
void PostCommand(HWND window, int id);

// --- keyboard and mouse -------------------------------------------------------------------------------
// Makes window the foreground window; true if it is.
bool BringToFront(HWND window);
// A chord, pressed in the order given and released in reverse: PressKeys({VK_CONTROL, 'O'}).
void PressKeys(const std::vector<WORD>& keys);
// Moves the mouse pointer to a point of window's client area.
void MoveMouseTo(HWND window, POINT client);
// A left click (or double click) at a point of window's client area or, with nonClient, of its frame.
void ClickAt(HWND window, POINT point, bool doubleClick = false);

// --- the program ---------------------------------------------------------------------------------------
// One run of a program started by the driver. The destructor makes sure the process is gone: it asks the
// main window to close, waits a little, and terminates the process if it is still there.
class App {
public:
    // Starts the program and waits until its window with that caption is there. Throws on failure.
    static App Launch(const std::wstring& exePath, const wchar_t* caption, DWORD timeoutMilliseconds = 15000);
    App(App&& other) noexcept;
    App& operator=(App&&) = delete;
    App(const App&) = delete;
    ~App();

    HWND MainWindow() const { return mainWindow_; }
    DWORD ProcessId() const { return processId_; }
    DWORD ThreadId() const { return threadId_; }
    HANDLE Process() const { return process_.Get(); }

    bool IsRunning() const;
    // The exit code once the process has ended, or nothing when it is still running after the time.
    std::optional<DWORD> WaitForExit(DWORD timeoutMilliseconds);
    // True when the program's user-interface thread has handled everything sent to it before: a handler
    // that was running has returned, or has entered a modal loop (a dialog or a message box).
    bool WaitUntilIdle(DWORD timeoutMilliseconds = 10000) const;

    // The window with the keyboard focus in the program's thread (null if none).
    HWND FocusedWindow() const;
    // The program's top-level windows (visible and hidden), in z-order.
    std::vector<HWND> TopLevelWindows() const;
    // The program's first visible top-level window of that class (and caption, unless null) other than
    // the main window, waited for.
    HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, DWORD timeoutMilliseconds) const;
    // A dialog box (#32770) of the program: a common dialog or a message box.
    HWND WaitForDialog(DWORD timeoutMilliseconds, const wchar_t* caption = nullptr) const;

    // The text of a status bar part (SB_GETTEXTW into the program's memory).
    std::wstring StatusText(HWND statusBar, int part = 0) const;
    // The hint each tool of a tooltip control shows, by the window of the tool (TTF_IDISHWND tools).
    std::vector<std::pair<HWND, std::wstring>> TooltipTools(HWND tooltip) const;

private:
    App() = default;

    base::win::KernelHandle process_;
    base::win::KernelHandle thread_;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    HWND mainWindow_ = nullptr;
};

// A block of memory inside another process, for messages whose pointer the system doesn't marshal.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    void* Address() const { return address_; }
    LPARAM AsParam(size_t offset = 0) const { return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset); }
    void Write(const void* data, size_t size, size_t offset = 0);
    void Read(void* data, size_t size, size_t offset = 0) const;

private:
    HANDLE process_;
    void* address_;
};

// Drops files on a window as the shell does: WM_DROPFILES posted with a DROPFILES block (UTF-16 paths, each
// ended by a NUL, the list by one more). The block is made in the program's memory, where DragQueryFileW
// reads it through GlobalLock, which takes a fixed block's address as its handle; DragFinish's GlobalFree
// refuses it as none of the program's heap's (Wine warns "invalid handle"), so the block is freed with
// the owner returned, once the program has handled the drop.
std::unique_ptr<RemoteMemory> PostDrop(const App& app, const std::vector<std::wstring>& paths);

// --- dialogs ---------------------------------------------------------------------------------------------
// The innermost box of a common file dialog's file name (ComboBoxEx32 > ComboBox > Edit, all id 1148).
HWND FileNameBox(HWND dialog);
// Types a file name into a common file dialog's file-name box.
bool SetFileName(HWND dialog, const std::wstring& fileName);
// Presses a dialog's button by id (IDOK, IDCANCEL, ...), posted, so a dialog that closes doesn't block.
void PressDialogButton(HWND dialog, int id);

struct MessageBoxContent {
    std::wstring caption;
    std::wstring text;
    bool hasIcon = false;     // an icon is shown
    bool hasStopIcon = false; // and it is the system's stop icon (IDI_HAND), compared as drawn on the screen
    std::vector<std::wstring> buttons;
};
// Reads a message box; it must be visible on the screen, as its icon is compared by what it shows.
MessageBoxContent ReadMessageBox(HWND box);
// Whether an icon control shows that system icon, by its pixels. The ids are those IDI_HAND and the like
// stand for, as numbers (the macros' type follows UNICODE).
inline constexpr int kStopIconId = 32513;        // IDI_HAND, IDI_ERROR
inline constexpr int kExclamationIconId = 32515; // IDI_EXCLAMATION, IDI_WARNING
bool ShowsSystemIcon(HWND iconControl, int iconId);
// Whether a control shows that icon at width x height at its top-left corner, and only the background
// colour everywhere else (so neither a stretched nor a moved icon).
bool ShowsOnlyIconAtTopLeft(HWND control, HICON icon, int width, int height, COLORREF background);
// The program's icon from Vantrel.exe at that size; the caller destroys it (DestroyIcon).
HICON LoadProgramIcon(int size);

// --- resources of the program's file ----------------------------------------------------------------------
struct MenuEntry {
    std::wstring caption; // with the "\t" shortcut text
    UINT id = 0;
    bool separator = false;
    bool enabled = true;
    bool checked = false;
    std::vector<MenuEntry> items; // a drop-down's items
};
// A menu resource of an executable, read as the program loads it. (Under Wine a menu handle can't be read
// from another process, so the menu bar's own items are checked against the resource, and the running
// menu is worked with the keyboard.)
std::vector<MenuEntry> LoadMenuResource(const std::wstring& exePath, int menuId);

// --- the help viewer ----------------------------------------------------------------------------------------
// The journal of the recording HTML Help stand-ins (htmlhelp-standins/), which the GUI suites' prefix holds
// in place of the system's hhctrl.ocx and hh.exe. Open it before the program starts: the program inherits
// its name through the environment, and passes it on to the viewers it starts. Each call is one line,
// its fields split at '|': the path of the copy that answered (lower case), the function, its arguments.
class HtmlHelpJournal {
public:
    using Call = std::vector<std::string>; // UTF-8

    HtmlHelpJournal();
    // Removes the journal, which also ends the hh.exe stand-ins that wait for that.
    ~HtmlHelpJournal();
    HtmlHelpJournal(const HtmlHelpJournal&) = delete;
    HtmlHelpJournal& operator=(const HtmlHelpJournal&) = delete;

    std::vector<Call> Calls() const;
    bool WaitForCalls(size_t count, DWORD timeoutMilliseconds = 5000) const;

    // Whether the system's hhctrl.ocx is the stand-in (Wine loads it only with hhctrl.ocx=n,b).
    static bool StandInsInstalled();
    // The calls the stand-ins journal: a topic shown ("<file>::/<page>", or the file for its default
    // topic), the help windows closed, the viewer started on the file.
    static Call ShowTopic(const std::wstring& address);
    static Call CloseAll();
    static Call StartViewer(const std::wstring& compiledHelpPath);

private:
    std::wstring path_;
};

// --- dpi ------------------------------------------------------------------------------------------------------
// Sets Wine's system dpi (HKCU\Control Panel\Desktop LogPixels) for the programs started while it
// lives, and puts back what was there.
class SystemDpiSetting : public RegistryValueOverride {
public:
    explicit SystemDpiSetting(DWORD dpi)
        : RegistryValueOverride(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", dpi) {}
};

// Tells a top-level window of the program that it now stands on a monitor of that dpi, as Windows does
// when the window moves there: WM_DPICHANGED with the rectangle Windows suggests (in the program's memory,
// as the message's pointer is not carried across processes). Returns when the program has handled it.
void SendDpiChanged(const App& app, HWND window, int dpi, const RECT& suggested);
// The GDI objects the process holds: GetGuiResources where it counts them, else (Wine, whose
// GetGuiResources answers 0) the objects in use in the process's GDI handle table.
DWORD GdiObjectCount(HANDLE process);

// --- the screen -----------------------------------------------------------------------------------------------
// The pixels of a window's client area as the screen shows them, top-down, 32 bits each.
std::vector<DWORD> ClientPixels(HWND window);
// Saves a screen area (with the frame Wine's desktop draws) as a 24-bit .bmp file.
bool SaveScreenshot(const RECT& area, const std::wstring& bmpPath);
// The folder for build artifacts: VANTREL_ARTIFACTS as a Windows path, else the test program's folder.
std::wstring ArtifactFolder();

} // namespace support::win
