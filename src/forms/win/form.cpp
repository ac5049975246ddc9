#include "forms/win/form.h"

#include <shellscalingapi.h>

#include <string>

#include "base/exception.h"
#include "base/win/system_library.h"
#include "forms/error_text.h"
#include "forms/win/error_box.h"

namespace forms::win {
namespace {

// Calls of Windows 10 1607 and later; null before.
template <typename Function> Function User32Export(const char* name) {
    return base::win::ExportAs<Function>(base::win::LoadedSystemExport("user32.dll", name));
}

// The frame (borders, caption, menu bar) around a client area at that dpi. Without the per-dpi call the
// system's frame metrics are those of the system dpi, which is then the only dpi there is.
void AddFrame(RECT& bounds, DWORD style, bool hasMenu, DWORD exStyle, int dpi) {
    static const auto adjustForDpi = User32Export<decltype(&::AdjustWindowRectExForDpi)>("AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&bounds, style, hasMenu, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&bounds, style, hasMenu, exStyle);
}

} // namespace

int SystemDpi() {
    const base::win::ScreenDC screen;
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : kDesignDpi;
    return dpi > 0 ? dpi : kDesignDpi;
}

namespace {

// The dpi of the monitor that holds most of the window, as Windows 8.1 and later tell a program that is
// aware of each monitor's dpi; 0 on Windows 7 and 8, which have no shcore.dll.
int MonitorDpi(HWND window) {
    static const auto getDpiForMonitor =
        base::win::ExportAs<decltype(&::GetDpiForMonitor)>(base::win::shcore::library.Find("GetDpiForMonitor"));
    UINT x = 0;
    UINT y = 0;
    if (!getDpiForMonitor ||
        FAILED(getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE_DPI, &x, &y)))
        return 0;
    return static_cast<int>(y);
}

} // namespace

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Export<decltype(&::GetDpiForWindow)>("GetDpiForWindow");
    int dpi = getDpiForWindow ? static_cast<int>(getDpiForWindow(window)) : 0;
    if (dpi <= 0)
        dpi = MonitorDpi(window);
    return dpi > 0 ? dpi : SystemDpi();
}

namespace {

base::win::FontHandle CreateFormFont(int dpi) {
    HFONT font =
        CreateFontA(FontHeightForDpi(kFontPoints, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, kFontFace);
    if (!font)
        throw base::Exception("Cannot create the window font");
    return base::win::FontHandle(font);
}

bool IsClassRegistered(const char* className) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    return GetClassInfoExA(GetModuleHandleA(nullptr), className, &existing) != FALSE;
}

bool TakesFocusByTab(const ChildWindow& child) {
    return (child.style & WS_TABSTOP) != 0;
}

// An icon resource of the program at size x size pixels; shared, never destroyed.
HICON SharedIcon(int iconId, int size) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON, size, size, LR_SHARED));
}

} // namespace

void RegisterWindowClass(const WindowClass& windowClass) {
    if (IsClassRegistered(windowClass.name))
        return;
    WNDCLASSEXA record{};
    record.cbSize = sizeof record;
    record.style = windowClass.style;
    record.lpfnWndProc = windowClass.procedure;
    record.cbWndExtra = windowClass.extraBytes;
    record.hInstance = GetModuleHandleA(nullptr);
    record.hIcon = windowClass.icon;
    record.hIconSm = windowClass.smallIcon;
    record.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    if (windowClass.buttonFace)
        record.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    record.lpszClassName = windowClass.name;
    if (!RegisterClassExA(&record))
        throw base::Exception(std::string("Cannot register the window class ") + windowClass.name);
}

TForm::TForm() : dpi_(SystemDpi()), font_(CreateFormFont(dpi_)) {}

TForm::~TForm() {
    DestroyChildren();
}

std::string TForm::Caption() const {
    const int length = GetWindowTextLengthA(Handle());
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(Handle(), text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void TForm::SetCaption(const std::string& caption) {
    SetWindowTextA(Handle(), caption.c_str());
}

HWND TForm::Child(int id) const {
    for (const BuiltChild& child : children_) {
        if (child.id == id)
            return child.window;
    }
    return nullptr;
}

void TForm::CreateHandle(const FrameStyle& frame) {
    RegisterWindowClass(WindowClass{frame.className, &WindowProcedure, 0, 0, true,
                                    SharedIcon(frame.iconId, GetSystemMetrics(SM_CXICON)),
                                    SharedIcon(frame.iconId, GetSystemMetrics(SM_CXSMICON))});
    frame_ = frame;
    const SIZE size = FrameSize(dpi_);
    HWND window = CreateWindowExA(frame.exStyle, frame.className, "", frame.style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  size.cx, size.cy, nullptr, frame.menu, GetModuleHandleA(nullptr), this);
    if (!window) {
        window_.Release(); // a window whose creation failed is gone already
        if (frame.menu && IsMenu(frame.menu))
            DestroyMenu(frame.menu); // never attached, so not destroyed with the window
        throw base::Exception("Cannot create the window");
    }
    // Created on a monitor whose dpi is not the system's (one the user has rescaled since logging on, or
    // not the main one): drawn at that monitor's dpi from the start. There are no children yet.
    if (const int dpi = WindowDpi(window); dpi != dpi_) {
        font_ = CreateFormFont(dpi);
        dpi_ = dpi;
        const SIZE scaled = FrameSize(dpi);
        SetWindowPos(window, nullptr, 0, 0, scaled.cx, scaled.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    KeepClientSize();
}

// The whole window's size at that dpi.
SIZE TForm::FrameSize(int dpi) const {
    RECT bounds{0, 0, ScaleToDpi(frame_.width, dpi), ScaleToDpi(frame_.height, dpi)};
    if (!frame_.outerSize)
        AddFrame(bounds, frame_.style, frame_.menu != nullptr, frame_.exStyle, dpi);
    return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

// A frame laid out by its client area gets that client area whatever the frame took: a menu bar that
// wraps, or a frame that the system left at another dpi than the client's (per-monitor awareness before
// Windows 10 1703 scales no frame). Never at the cost of another monitor: the window's dpi would change
// again, and the correction with it, back and forth.
void TForm::KeepClientSize() {
    if (frame_.outerSize)
        return;
    const int width = ScaleToDpi(frame_.width, dpi_);
    const int height = ScaleToDpi(frame_.height, dpi_);
    RECT client;
    GetClientRect(Handle(), &client);
    if (client.right == width && client.bottom == height)
        return;
    RECT outer;
    GetWindowRect(Handle(), &outer);
    const RECT corrected{outer.left, outer.top, outer.right + width - client.right,
                         outer.bottom + height - client.bottom};
    if (MonitorFromRect(&corrected, MONITOR_DEFAULTTONEAREST) != MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST))
        return;
    SetWindowPos(Handle(), nullptr, 0, 0, corrected.right - corrected.left, corrected.bottom - corrected.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND TForm::CreateChild(const ChildWindow& child) {
    HWND parent = child.parentId ? Child(child.parentId) : Handle();
    const Rect bounds = ScaleRect(child.bounds, dpi_);
    // Room first, so that recording a created window can't fail and lose it.
    children_.reserve(children_.size() + 1);
    HWND window = CreateWindowExA(child.exStyle, child.className, child.caption, WS_CHILD | WS_VISIBLE | child.style,
                                  bounds.left, bounds.top, bounds.width, bounds.height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(child.id)), GetModuleHandleA(nullptr),
                                  child.createParam);
    if (!window)
        throw base::Exception("Cannot create the control " + ShownCaption(child.name));
    children_.push_back(BuiltChild{child.id, window, child.bounds});
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    SetWindowContextHelpId(window, static_cast<DWORD>(child.helpContext));
    if (!lastFocus_ && TakesFocusByTab(child))
        lastFocus_ = window;
    return window;
}

void TForm::DestroyChildren() {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        if (IsWindow(it->window))
            DestroyWindow(it->window);
    }
    children_.clear();
}

void TForm::ShowCentred() {
    RECT outer;
    GetWindowRect(Handle(), &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(Handle(), nullptr, left > 0 ? left : 0, top > 0 ? top : 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
}

// The new font is made first: when it can't be, the form stays as it was, whole, at the old dpi.
void TForm::ChangeDpi(int dpi, const RECT* suggested) {
    base::win::FontHandle font = CreateFormFont(dpi);
    dpi_ = dpi;
    if (suggested)
        SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where Windows asked for the size first, the rectangle it suggests is exactly the window's, and is
    // taken as it is: no later correction can move the window back over the monitors' border. Windows 8.1
    // to 10 1607 ask nothing and suggest the old size scaled, around a frame they don't scale.
    if (sizeAskedAtDpi_ != dpi)
        KeepClientSize();
    sizeAskedAtDpi_ = 0;
    for (const BuiltChild& child : children_) {
        const Rect bounds = ScaleRect(child.bounds, dpi);
        SendMessageA(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
        SetWindowPos(child.window, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    font_ = std::move(font); // the old font goes once no child draws with it
    ScaleContents(dpi);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TForm::ScaleContents(int) {}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

void TForm::OnCommand(int, const Sender&) {}

LRESULT TForm::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(Handle(), message, wParam, lParam);
}

LRESULT TForm::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        Command(wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        if (RestoreFocusOnActivate(wParam))
            return 0;
        return HandleMessage(message, wParam, lParam);
    case WM_GETDPISCALEDSIZE:
        // Before a move to a monitor of another dpi, Windows 10 1703 and later (which draw the frame at
        // the window's dpi) ask for the whole window's size there, frame included, and suggest it.
        *reinterpret_cast<SIZE*>(lParam) = FrameSize(static_cast<int>(wParam));
        sizeAskedAtDpi_ = static_cast<int>(wParam);
        return TRUE;
    case WM_DPICHANGED: {
        // The new dpi (x and y are the same), and the rectangle at which the window keeps its place
        // under the pointer or on its monitor; a dpi that is no dpi asks the window's own.
        const int dpi = HIWORD(wParam) > 0 ? HIWORD(wParam) : WindowDpi(Handle());
        ChangeDpi(dpi, reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    default:
        return HandleMessage(message, wParam, lParam);
    }
}

void TForm::Command(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    // Menu items (code 0) and shortcuts (code 1) come without a control. A control raises its id by
    // BN_CLICKED; its other notifications are not commands.
    if (control && HIWORD(wParam) != BN_CLICKED)
        return;
    OnCommand(id, Sender{id, control});
}

bool TForm::RestoreFocusOnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus))
            lastFocus_ = focus;
        return false;
    }
    // Give the focus back to the control that had it, rather than to the frame; a minimised form takes
    // no focus.
    if (!lastFocus_ || !IsWindow(lastFocus_) || HIWORD(wParam) != 0)
        return false;
    SetFocus(lastFocus_);
    return true;
}

LRESULT CALLBACK TForm::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_.Reset(window);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = 0;
    RunGuarded([&] { result = self->Dispatch(message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        // Destroyed by the system rather than by its owner: nothing is left to destroy later.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_.Release();
        self->children_.clear();
    }
    return result;
}

} // namespace forms::win
