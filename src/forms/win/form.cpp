#include "forms/win/form.h"

#include <stdexcept>

#include "forms/error_text.h"
#include "forms/win/application.h"
#include "forms/win/error_box.h"

namespace forms {

int SystemDpi() {
    const base::win::ScreenDC screen;
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : kDesignDpi;
    return dpi > 0 ? dpi : kDesignDpi;
}

namespace {

base::win::FontHandle CreateFormFont(int dpi) {
    HFONT font =
        CreateFontA(FontHeightForDpi(kFontPoints, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, kFontFace);
    if (!font)
        throw std::runtime_error("Cannot create the window font");
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
        throw std::runtime_error(std::string("Cannot register the window class ") + windowClass.name);
}

HICON ProgramIcon(int size) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(Application.IconId()), IMAGE_ICON,
                                         size, size, LR_SHARED));
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
                                    ProgramIcon(GetSystemMetrics(SM_CXICON)),
                                    ProgramIcon(GetSystemMetrics(SM_CXSMICON))});
    RECT bounds{0, 0, frame.clientWidth, frame.clientHeight};
    AdjustWindowRectEx(&bounds, frame.style, frame.menu != nullptr, frame.exStyle);
    HWND window = CreateWindowExA(frame.exStyle, frame.className, "", frame.style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, frame.menu,
                                  GetModuleHandleA(nullptr), this);
    if (!window) {
        window_.Release(); // a window whose creation failed is gone already
        if (frame.menu && IsMenu(frame.menu))
            DestroyMenu(frame.menu); // never attached, so not destroyed with the window
        throw std::runtime_error("Cannot create the window");
    }
    // The frame is now built; a menu bar that wraps would have taken client height, so set the client
    // size once more from what the window really has.
    RECT client;
    GetClientRect(window, &client);
    if (client.bottom != frame.clientHeight || client.right != frame.clientWidth) {
        RECT outer;
        GetWindowRect(window, &outer);
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + frame.clientWidth - client.right,
                     outer.bottom - outer.top + frame.clientHeight - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
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
        throw std::runtime_error("Cannot create the control " + ShownCaption(child.name));
    children_.push_back(BuiltChild{child.id, window, child.command});
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
    default:
        return HandleMessage(message, wParam, lParam);
    }
}

void TForm::Command(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    const Sender sender{id, control};
    // Menu items (code 0) and shortcuts (code 1) come without a control, their id their command.
    if (!control) {
        OnCommand(id, sender);
        return;
    }
    // Controls raise their command by BN_CLICKED; their other notifications are not commands.
    if (HIWORD(wParam) != BN_CLICKED)
        return;
    for (const BuiltChild& child : children_) {
        if (child.window == control) {
            if (child.command)
                OnCommand(child.command, sender);
            return;
        }
    }
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

} // namespace forms
