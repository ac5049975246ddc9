#pragma once
// Owners of the Win32 handles the shell creates: GDI objects and image lists. Each gives its handle back
// exactly once; none can be copied, so no second owner can give it back again.
#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "system_library.h"

template <typename Handle, BOOL(WINAPI* Destroy)(Handle)> class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : handle_(handle) {}
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { Reset(); }

    void Reset(Handle handle = nullptr) {
        if (handle_)
            Destroy(handle_);
        handle_ = handle;
    }
    Handle Get() const { return handle_; }
    // Gives the handle up to whoever takes it next; nothing gives it back here any more.
    Handle Release() { return std::exchange(handle_, nullptr); }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_ = nullptr;
};

inline BOOL WINAPI DeleteFontObject(HFONT font) {
    return DeleteObject(font);
}
inline BOOL WINAPI DeleteBitmapObject(HBITMAP bitmap) {
    return DeleteObject(bitmap);
}
inline BOOL WINAPI FreeGlobalMemory(HGLOBAL memory) {
    return GlobalFree(memory) == nullptr;
}
inline BOOL WINAPI DestroyImageList(HIMAGELIST list) {
    return comctl32::ImageList_Destroy(list);
}

using FontHandle = OwnedHandle<HFONT, DeleteFontObject>;
using ImageListHandle = OwnedHandle<HIMAGELIST, DestroyImageList>;
using BitmapHandle = OwnedHandle<HBITMAP, DeleteBitmapObject>;

// Owns a window. Before destroying it, the window is detached from the C++ object that handles its
// messages (GWLP_USERDATA cleared), so the messages of the destruction reach DefWindowProc and never an
// object that is itself being destroyed.
class WindowHandle {
public:
    WindowHandle() = default;
    explicit WindowHandle(HWND window) : window_(window) {}
    WindowHandle(const WindowHandle&) = delete;
    WindowHandle& operator=(const WindowHandle&) = delete;
    ~WindowHandle() { Reset(); }

    void Reset(HWND window = nullptr) {
        if (window_ && IsWindow(window_)) {
            SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
            DestroyWindow(window_);
        }
        window_ = window;
    }
    // The window is gone already (destroyed by the system); nothing is left to give back.
    void Forget() { window_ = nullptr; }
    HWND Get() const { return window_; }

private:
    HWND window_ = nullptr;
};
