#include "forms/win/form.h"

#include <stdexcept>

#include "forms/dpi_scaling.h"
#include "forms/win/error_box.h"
#include "shell/main_window_layout.h"

int SystemDpi() {
    const base::win::ScreenDC screen;
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

base::win::FontHandle CreateFormFont(int dpi) {
    HFONT font = CreateFontA(shell::FontHeightForDpi(shell::kFontPoints, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, shell::kFontFace);
    if (!font)
        throw std::runtime_error("Cannot create the window font");
    return base::win::FontHandle(font);
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

bool IsClassRegistered(const char* className) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    return GetClassInfoExA(GetModuleHandleA(nullptr), className, &existing) != FALSE;
}

namespace {

void RegisterFormClass(const char* className, HICON icon, HICON smallIcon, WNDPROC procedure) {
    if (IsClassRegistered(className))
        return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = className;
    if (!RegisterClassExA(&windowClass))
        throw std::runtime_error(std::string("Cannot register the window class ") + className);
}

} // namespace

void TForm::CreateHandle(const FrameStyle& frame) {
    RegisterFormClass(frame.className, frame.icon, frame.smallIcon, &WindowProcedure);
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

LRESULT TForm::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(Handle(), message, wParam, lParam);
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
    RunGuarded([&] { result = self->HandleMessage(message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        // Destroyed by the system rather than by its owner: nothing is left to destroy later.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_.Release();
    }
    return result;
}
