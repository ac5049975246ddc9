#include "support/win/driver.h"

#include <commctrl.h>
#include <winternl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "base/win/owners.h"
#include "res/resource.h"
#include "support/win/fixtures.h"
#include "support/win/text.h"

namespace support::win {

namespace {

constexpr int kClassNameLength = 256;

// The owners only the screenshots need, beside the program's own (base/win/owners.h).
using BrushHandle = base::win::OwnedHandle<HBRUSH, base::win::DeleteGdiObject>;

// A memory device context compatible with another (null: with the screen), deleted with DeleteDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (dc_)
            DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a device context for as long as this lives; then the one it replaced is
// selected back, so the object can be deleted.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace

void Pump(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMilliseconds) {
    const ULONGLONG end = GetTickCount64() + timeoutMilliseconds;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Pump(20);
    }
}

std::wstring VantrelPath() {
    return TestProgramFolder() + L"\\Vantrel.exe";
}

std::wstring WindowText(HWND window) {
    // WM_GETTEXT is marshalled across processes (GetWindowText only reads other processes' captions).
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[kClassNameLength] = {};
    GetClassNameW(window, name, kClassNameLength);
    return name;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND FindChild(HWND parent, const wchar_t* className, const wchar_t* caption) {
    for (HWND child : Children(parent)) {
        const bool classMatches = !className || _wcsicmp(ClassName(child).c_str(), className) == 0;
        const bool captionMatches = !caption || WindowText(child) == caption;
        if (classMatches && captionMatches)
            return child;
        if (HWND found = FindChild(child, className, caption))
            return found;
    }
    return nullptr;
}

HWND FindChildById(HWND parent, int id) {
    for (HWND child : Children(parent)) {
        if (GetDlgCtrlID(child) == id)
            return child;
        if (HWND found = FindChildById(child, id))
            return found;
    }
    return nullptr;
}

RECT RectInParent(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT ClientRect(HWND window) {
    RECT rect;
    GetClientRect(window, &rect);
    return rect;
}

bool IsChecked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<std::wstring> ListBoxItems(HWND listBox) {
    std::vector<std::wstring> items;
    const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
        std::wstring item(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
        const LRESULT copied = SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
        items.push_back(item);
    }
    return items;
}

void AddListBoxItem(HWND listBox, const std::wstring& entry) {
    SendMessageW(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
}

void PostClick(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void PostCommand(HWND window, int id) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool BringToFront(HWND window) {
    if (GetForegroundWindow() == window)
        return true;
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; }, 3000);
}

namespace {

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void SendInputs(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Pump(50);
}

// A mouse event at a screen point. Every event carries its position, so the press lands where the move
// went even if the system's pointer is still catching up with an earlier move.
INPUT MouseInput(DWORD flags, POINT screen) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((static_cast<long long>(screen.x) * 65535 + (width - 1) / 2) / (width - 1));
    input.mi.dy = static_cast<LONG>((static_cast<long long>(screen.y) * 65535 + (height - 1) / 2) / (height - 1));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

} // namespace

void PressKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back(KeyInput(key, false));
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        inputs.push_back(KeyInput(*it, true));
    SendInputs(inputs);
}

void MoveMouseTo(HWND window, POINT client) {
    ClientToScreen(window, &client);
    SendInputs({MouseInput(0, client)});
    WaitFor(
        [&] {
            POINT now;
            return GetCursorPos(&now) && now.x == client.x && now.y == client.y;
        },
        1000);
    Pump(50);
}

void ClickAt(HWND window, POINT point, bool doubleClick) {
    MoveMouseTo(window, point);
    POINT screen = point;
    ClientToScreen(window, &screen);
    // A pause between press and release, as a hand makes: some controls (the title bar's buttons) track
    // the press in a loop of their own that must see the button down first.
    for (int click = 0; click < (doubleClick ? 2 : 1); ++click) {
        SendInputs({MouseInput(MOUSEEVENTF_LEFTDOWN, screen)});
        SendInputs({MouseInput(MOUSEEVENTF_LEFTUP, screen)});
    }
}

// --- App -------------------------------------------------------------------------------------------------

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* caption;
    HWND except;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || window == search->except)
        return TRUE;
    if (search->visibleOnly && !IsWindowVisible(window))
        return TRUE;
    if (search->className && _wcsicmp(ClassName(window).c_str(), search->className) != 0)
        return TRUE;
    if (search->caption && WindowText(window) != search->caption)
        return TRUE;
    search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> FindTopLevel(DWORD processId, const wchar_t* className, const wchar_t* caption, HWND except,
                               bool visibleOnly) {
    WindowSearch search{processId, className, caption, except, visibleOnly, {}};
    EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CALLBACK NoteAnswer(HWND, UINT, ULONG_PTR answered, LRESULT) {
    *reinterpret_cast<bool*>(answered) = true;
}

} // namespace

App App::Launch(const std::wstring& exePath, const wchar_t* caption, DWORD timeoutMilliseconds) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Wine has been seen to refuse a start at once, once in a few hundred starts of a full run; another
    // try a moment later is given. The program itself has not run when the start fails, so this hides
    // nothing of its own; the error code goes into the failure when every try fails.
    DWORD error = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &info)) {
            error = 0;
            break;
        }
        error = GetLastError();
        Sleep(250);
    }
    if (error != 0)
        throw std::runtime_error("cannot start " + Narrow(exePath) + " (error " + std::to_string(error) + ")");
    App app;
    app.process_.Reset(info.hProcess);
    app.thread_.Reset(info.hThread);
    app.processId_ = info.dwProcessId;
    WaitForInputIdle(info.hProcess, timeoutMilliseconds);
    const bool found = WaitFor(
        [&] {
            const auto windows = FindTopLevel(app.processId_, nullptr, caption, nullptr, true);
            app.mainWindow_ = windows.empty() ? nullptr : windows.front();
            return app.mainWindow_ != nullptr;
        },
        timeoutMilliseconds);
    if (!found)
        throw std::runtime_error("the program's window did not appear");
    app.threadId_ = GetWindowThreadProcessId(app.mainWindow_, nullptr);
    return app;
}

App::App(App&& other) noexcept
    : process_(std::move(other.process_)), thread_(std::move(other.thread_)), processId_(other.processId_),
      threadId_(other.threadId_), mainWindow_(other.mainWindow_) {}

App::~App() {
    if (!process_)
        return;
    if (IsRunning()) {
        if (IsWindow(mainWindow_))
            PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
        if (!WaitForExit(3000)) {
            TerminateProcess(process_.Get(), 1);
            WaitForExit(3000);
        }
    }
}

bool App::IsRunning() const {
    return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> App::WaitForExit(DWORD timeoutMilliseconds) {
    if (!WaitFor([&] { return !IsRunning(); }, timeoutMilliseconds))
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return code;
}

bool App::WaitUntilIdle(DWORD timeoutMilliseconds) const {
    // A sent message is handled only between handlers (or inside a modal loop). Sending from this thread
    // would stop the driver from answering the program meanwhile, so wait for the answer while pumping.
    bool answered = false;
    SendMessageCallbackW(mainWindow_, WM_NULL, 0, 0, &NoteAnswer, reinterpret_cast<ULONG_PTR>(&answered));
    // Should the time run out, the answer still comes to a callback that writes into `answered`: wait
    // for it regardless, so the flag outlives the call.
    const bool idle = WaitFor([&] { return answered; }, timeoutMilliseconds);
    if (!idle)
        WaitFor([&] { return answered || !IsRunning(); }, 60000);
    return idle;
}

HWND App::FocusedWindow() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId_, &info))
        return nullptr;
    return info.hwndFocus;
}

std::vector<HWND> App::TopLevelWindows() const {
    return FindTopLevel(processId_, nullptr, nullptr, nullptr, false);
}

HWND App::WaitForWindow(const wchar_t* className, const wchar_t* caption, DWORD timeoutMilliseconds) const {
    HWND window = nullptr;
    WaitFor(
        [&] {
            const auto windows = FindTopLevel(processId_, className, caption, mainWindow_, true);
            window = windows.empty() ? nullptr : windows.front();
            return window != nullptr;
        },
        timeoutMilliseconds);
    return window;
}

HWND App::WaitForDialog(DWORD timeoutMilliseconds, const wchar_t* caption) const {
    return WaitForWindow(L"#32770", caption, timeoutMilliseconds);
}

std::wstring App::StatusText(HWND statusBar, int part) const {
    // SB_GETTEXT is not marshalled: the program writes into a buffer in its own memory. The text may
    // change between asking its length and reading it (a print run sets it step by step), so the buffer
    // has room to spare and the text is taken up to its terminator.
    const LRESULT length = LOWORD(SendMessageW(statusBar, SB_GETTEXTLENGTHW, part, 0));
    const size_t room = static_cast<size_t>(length) + 4096;
    std::vector<wchar_t> text(room, L'\0');
    RemoteMemory buffer(process_.Get(), room * sizeof(wchar_t));
    buffer.Write(text.data(), room * sizeof(wchar_t));
    SendMessageW(statusBar, SB_GETTEXTW, part, buffer.AsParam());
    buffer.Read(text.data(), room * sizeof(wchar_t));
    text.back() = L'\0';
    return std::wstring(text.data());
}

std::vector<std::pair<HWND, std::wstring>> App::TooltipTools(HWND tooltip) const {
    constexpr size_t kTextChars = 256;
    std::vector<std::pair<HWND, std::wstring>> tools;
    RemoteMemory memory(process_.Get(), sizeof(TTTOOLINFOW) + kTextChars * sizeof(wchar_t));
    const LRESULT count = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = reinterpret_cast<wchar_t*>(memory.AsParam(sizeof tool));
        const wchar_t empty = L'\0';
        memory.Write(&tool, sizeof tool);
        memory.Write(&empty, sizeof empty, sizeof tool);
        if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, i, memory.AsParam()))
            continue;
        memory.Read(&tool, sizeof tool);
        // The hint itself, asked for again with room given (TTM_GETTEXTW writes at most kTextChars).
        tool.lpszText = reinterpret_cast<wchar_t*>(memory.AsParam(sizeof tool));
        memory.Write(&tool, sizeof tool);
        SendMessageW(tooltip, TTM_GETTEXTW, kTextChars, memory.AsParam());
        std::vector<wchar_t> text(kTextChars, L'\0');
        memory.Read(text.data(), text.size() * sizeof(wchar_t), sizeof tool);
        text.back() = L'\0';
        tools.emplace_back(reinterpret_cast<HWND>(tool.uId), std::wstring(text.data()));
    }
    return tools;
}

RemoteMemory::RemoteMemory(HANDLE process, size_t size)
    : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
    if (!address_)
        throw std::runtime_error("cannot allocate memory in the program");
}

RemoteMemory::~RemoteMemory() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

void RemoteMemory::Write(const void* data, size_t size, size_t offset) {
    WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
}

void RemoteMemory::Read(void* data, size_t size, size_t offset) const {
    ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
}

// --- dpi --------------------------------------------------------------------------------------------------------

void SendDpiChanged(const App& app, HWND window, int dpi, const RECT& suggested) {
    RemoteMemory rect(app.Process(), sizeof suggested);
    rect.Write(&suggested, sizeof suggested);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), rect.AsParam());
}

namespace {

// A row of the GDI handle table that a process's PEB points to (GdiSharedHandleTable), as Windows and
// Wine lay it out on x64; a row in use has a type.
struct GdiHandleEntry {
    ULONGLONG object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    ULONGLONG user;
};
static_assert(sizeof(GdiHandleEntry) == 24, "the x64 row");
constexpr size_t kGdiHandleCount = 0x10000;
constexpr size_t kPebGdiTableOffset = 0xF8; // PEB.GdiSharedHandleTable on x64

DWORD GdiHandleTableCount(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        throw std::runtime_error("cannot find the program's PEB");
    ULONGLONG table = 0;
    std::vector<GdiHandleEntry> entries(kGdiHandleCount);
    if (!ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + kPebGdiTableOffset, &table,
                           sizeof table, nullptr) ||
        !table ||
        !ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                           entries.size() * sizeof entries[0], nullptr))
        throw std::runtime_error("cannot read the program's GDI handle table");
    return static_cast<DWORD>(
        std::count_if(entries.begin(), entries.end(), [](const GdiHandleEntry& entry) { return entry.type != 0; }));
}

} // namespace

DWORD GdiObjectCount(HANDLE process) {
    if (const DWORD count = GetGuiResources(process, GR_GDIOBJECTS))
        return count;
    return GdiHandleTableCount(process);
}

std::unique_ptr<RemoteMemory> PostDrop(const App& app, const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths)
        names += path + L'\0';
    names += L'\0';
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    const size_t namesSize = names.size() * sizeof(wchar_t);
    auto block = std::make_unique<RemoteMemory>(app.Process(), sizeof header + namesSize);
    block->Write(&header, sizeof header);
    block->Write(names.data(), namesSize, sizeof header);
    PostMessageW(app.MainWindow(), WM_DROPFILES, reinterpret_cast<WPARAM>(block->Address()), 0);
    return block;
}

// --- dialogs ---------------------------------------------------------------------------------------------------

HWND FileNameBox(HWND dialog) {
    constexpr int kFileNameId = 1148; // cmb13 and its edit box
    HWND box = FindChildById(dialog, kFileNameId);
    while (box) {
        HWND inner = FindChildById(box, kFileNameId);
        if (!inner)
            break;
        box = inner;
    }
    return box;
}

bool SetFileName(HWND dialog, const std::wstring& fileName) {
    HWND box = FileNameBox(dialog);
    if (!box)
        box = FindChild(dialog, L"Edit");
    if (!box)
        return false;
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()));
    return WindowText(box) == fileName;
}

void PressDialogButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

namespace {

// A 32-bit, top-down bitmap description of the given size.
BITMAPINFO TopDownBitmapInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    return info;
}

// The pixels of a screen area, top-down, 32 bits each.
std::vector<DWORD> ScreenPixels(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    const base::win::ScreenDC screen;
    const MemoryDC memory(screen.Get());
    const base::win::BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    {
        const SelectedObject selected(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY);
    }
    BITMAPINFO info = TopDownBitmapInfo(width, height);
    GetDIBits(memory.Get(), bitmap.Get(), 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

} // namespace

std::vector<DWORD> ClientPixels(HWND window) {
    RECT client = ClientRect(window);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return ScreenPixels(client);
}

namespace {

// The same icon drawn here over two backgrounds: where both drawings agree, the icon is opaque.
std::vector<std::pair<size_t, DWORD>> OpaquePixels(HICON icon, int width, int height) {
    std::vector<DWORD> drawn[2];
    const COLORREF backgrounds[2] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    for (int pass = 0; pass < 2; ++pass) {
        BITMAPINFO info = TopDownBitmapInfo(width, height);
        void* bits = nullptr;
        const MemoryDC memory(nullptr);
        const base::win::BitmapHandle bitmap(CreateDIBSection(memory.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        const SelectedObject selected(memory.Get(), bitmap.Get());
        const BrushHandle brush(CreateSolidBrush(backgrounds[pass]));
        RECT all{0, 0, width, height};
        FillRect(memory.Get(), &all, brush.Get());
        DrawIconEx(memory.Get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        drawn[pass].assign(pixels, pixels + static_cast<size_t>(width) * height);
    }
    std::vector<std::pair<size_t, DWORD>> opaque;
    for (size_t i = 0; i < drawn[0].size(); ++i) {
        if (drawn[0][i] == drawn[1][i])
            opaque.emplace_back(i, drawn[0][i] & 0xFFFFFF);
    }
    return opaque;
}

} // namespace

bool ShowsSystemIcon(HWND iconControl, int iconId) {
    // An icon handle of another process can't be read here, but both processes draw the same system icon
    // the same way: compare what the control shows with the icon as the driver draws it.
    const int width = GetSystemMetrics(SM_CXICON);
    const int height = GetSystemMetrics(SM_CYICON);
    RECT area;
    GetWindowRect(iconControl, &area);
    area.right = area.left + width;
    area.bottom = area.top + height;
    const std::vector<DWORD> shown = ScreenPixels(area);
    const auto opaque = OpaquePixels(LoadIconW(nullptr, MAKEINTRESOURCEW(iconId)), width, height);
    if (opaque.empty())
        return false;
    size_t same = 0;
    for (const auto& [index, colour] : opaque)
        same += (shown[index] & 0xFFFFFF) == colour ? 1 : 0;
    return same * 100 >= opaque.size() * 95;
}

bool ShowsOnlyIconAtTopLeft(HWND control, HICON icon, int width, int height, COLORREF background) {
    RECT area;
    GetWindowRect(control, &area);
    const int areaWidth = area.right - area.left;
    const std::vector<DWORD> shown = ScreenPixels(area);
    const auto opaque = OpaquePixels(icon, width, height);
    if (opaque.empty() || areaWidth < width || area.bottom - area.top < height)
        return false;
    std::vector<bool> isIcon(shown.size(), false);
    size_t same = 0;
    for (const auto& [index, colour] : opaque) {
        const size_t at = index / width * areaWidth + index % width;
        isIcon[at] = true;
        same += (shown[at] & 0xFFFFFF) == colour ? 1 : 0;
    }
    // COLORREF is 0x00BBGGRR, a 32-bit DIB pixel 0x00RRGGBB.
    const DWORD backgroundPixel = RGB(GetBValue(background), GetGValue(background), GetRValue(background));
    for (size_t i = 0; i < shown.size(); ++i) {
        if (!isIcon[i] && (shown[i] & 0xFFFFFF) != backgroundPixel)
            return false;
    }
    return same * 100 >= opaque.size() * 95;
}

HICON LoadProgramIcon(int size) {
    HMODULE program = LoadLibraryExW(VantrelPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!program)
        return nullptr;
    HANDLE icon = LoadImageW(program, MAKEINTRESOURCEW(IDI_VANTREL), IMAGE_ICON, size, size, 0);
    FreeLibrary(program);
    return static_cast<HICON>(icon);
}

MessageBoxContent ReadMessageBox(HWND box) {
    constexpr int kTextId = 0xFFFF; // the message box's text control
    constexpr DWORD kIconDrawnTimeoutMs = 3000;
    MessageBoxContent content;
    content.caption = WindowText(box);
    HWND text = GetDlgItem(box, kTextId);
    if (text)
        content.text = WindowText(text);
    for (HWND child : Children(box)) {
        const std::wstring kind = ClassName(child);
        if (_wcsicmp(kind.c_str(), L"Button") == 0 && IsWindowVisible(child))
            content.buttons.push_back(WindowText(child));
        if (_wcsicmp(kind.c_str(), L"Static") == 0 && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            IsWindowVisible(child)) {
            content.hasIcon = SendMessageW(child, STM_GETICON, 0, 0) != 0;
            // The box exists before it is drawn: the screen shows its icon a moment later.
            content.hasStopIcon =
                content.hasIcon && WaitFor([&] { return ShowsSystemIcon(child, kStopIconId); }, kIconDrawnTimeoutMs);
        }
    }
    return content;
}

// --- resources -------------------------------------------------------------------------------------------------

namespace {

std::vector<MenuEntry> ReadMenu(HMENU menu) {
    std::vector<MenuEntry> entries;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t caption[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = caption;
        info.cch = 255;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        MenuEntry entry;
        entry.caption = caption;
        entry.id = info.wID;
        entry.separator = (info.fType & MFT_SEPARATOR) != 0;
        entry.enabled = (info.fState & (MFS_DISABLED | MFS_GRAYED)) == 0;
        entry.checked = (info.fState & MFS_CHECKED) != 0;
        if (info.hSubMenu)
            entry.items = ReadMenu(info.hSubMenu);
        entries.push_back(entry);
    }
    return entries;
}

} // namespace

std::vector<MenuEntry> LoadMenuResource(const std::wstring& exePath, int menuId) {
    HMODULE module = LoadLibraryExW(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        throw std::runtime_error("cannot read the program's resources");
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(menuId));
    std::vector<MenuEntry> entries = menu ? ReadMenu(menu) : std::vector<MenuEntry>{};
    if (menu)
        DestroyMenu(menu);
    FreeLibrary(module);
    return entries;
}

// --- help viewer -------------------------------------------------------------------------------------------------

namespace {

constexpr wchar_t kJournalVariable[] = L"VANTREL_HTMLHELP_JOURNAL";
constexpr char kHhDisplayTopic[] = "0";
constexpr char kHhCloseAll[] = "18";

std::string Utf8(const std::wstring& text) {
    return support::win::Narrow(text, CP_UTF8);
}

std::wstring InFolder(UINT(WINAPI* folderOf)(LPWSTR, UINT), const wchar_t* file) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = folderOf(folder, MAX_PATH);
    return std::wstring(folder, length) + L"\\" + file;
}

std::string LowerUtf8(const std::wstring& text) {
    std::wstring lower = text;
    CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
    return Utf8(lower);
}

} // namespace

HtmlHelpJournal::HtmlHelpJournal() {
    static int count = 0;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"vantrel-htmlhelp-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++count) + L".log";
    DeleteFileW(path_.c_str());
    SetEnvironmentVariableW(kJournalVariable, path_.c_str());
}

HtmlHelpJournal::~HtmlHelpJournal() {
    SetEnvironmentVariableW(kJournalVariable, nullptr);
    DeleteFileW(path_.c_str());
}

std::vector<HtmlHelpJournal::Call> HtmlHelpJournal::Calls() const {
    std::vector<Call> calls;
    const std::string text = support::win::FileBytes(path_).value_or("");
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        Call fields;
        const std::string line = text.substr(start, end - start);
        for (size_t from = 0, bar;; from = bar + 1) {
            bar = line.find('|', from);
            fields.push_back(line.substr(from, bar == std::string::npos ? std::string::npos : bar - from));
            if (bar == std::string::npos)
                break;
        }
        fields[0] = LowerUtf8(support::win::Widen(fields[0], CP_UTF8));
        calls.push_back(fields);
    }
    return calls;
}

bool HtmlHelpJournal::WaitForCalls(size_t count, DWORD timeoutMilliseconds) const {
    return WaitFor([&] { return Calls().size() >= count; }, timeoutMilliseconds);
}

bool HtmlHelpJournal::StandInsInstalled() {
    HMODULE hhctrl = LoadLibraryExW(L"hhctrl.ocx", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const bool standIn = hhctrl && GetProcAddress(hhctrl, "VantrelHtmlHelpStandIn");
    if (hhctrl)
        FreeLibrary(hhctrl);
    return standIn;
}

HtmlHelpJournal::Call HtmlHelpJournal::ShowTopic(const std::wstring& address) {
    return {LowerUtf8(InFolder(&GetSystemDirectoryW, L"hhctrl.ocx")),
            "HtmlHelpW",
            "1",
            Utf8(address),
            kHhDisplayTopic,
            "0"};
}

HtmlHelpJournal::Call HtmlHelpJournal::CloseAll() {
    return {LowerUtf8(InFolder(&GetSystemDirectoryW, L"hhctrl.ocx")), "HtmlHelpW", "0", "-", kHhCloseAll, "0"};
}

HtmlHelpJournal::Call HtmlHelpJournal::StartViewer(const std::wstring& compiledHelpPath) {
    const std::wstring viewer = InFolder(&GetSystemWindowsDirectoryW, L"hh.exe");
    return {LowerUtf8(viewer), "hh.exe", Utf8(L"\"" + viewer + L"\" \"" + compiledHelpPath + L"\"")};
}

// --- the screen ------------------------------------------------------------------------------------------------

bool SaveScreenshot(const RECT& area, const std::wstring& bmpPath) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const base::win::ScreenDC screen;
    const MemoryDC memory(screen.Get());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, as a .bmp file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const base::win::BitmapHandle bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool saved = false;
    if (bitmap) {
        const SelectedObject selected(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY);
        GdiFlush();
        const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) & ~3u);
        const DWORD imageSize = stride * static_cast<DWORD>(height);
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof info.bmiHeader;
        file.bfSize = file.bfOffBits + imageSize;
        const base::win::KernelHandle out(
            CreateFileW(bmpPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        if (out) {
            DWORD written = 0;
            saved = WriteFile(out.Get(), &file, sizeof file, &written, nullptr) &&
                    WriteFile(out.Get(), &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
                    WriteFile(out.Get(), bits, imageSize, &written, nullptr) && written == imageSize;
        }
    }
    return saved;
}

std::wstring ArtifactFolder() {
    wchar_t value[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"VANTREL_ARTIFACTS", value, MAX_PATH) == 0)
        return TestProgramFolder();
    std::wstring folder(value);
    if (!folder.empty() && folder[0] == L'/')
        folder = L"Z:" + folder; // a Unix path, as the test script passes it
    std::replace(folder.begin(), folder.end(), L'/', L'\\');
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

} // namespace support::win
