#pragma once
// The owners of the Win32 and COM resources the program takes (the stand-in host and the tests use them
// too): one small owner per kind of resource. Each gives its resource back exactly once, when replaced, reset or
// destroyed; none can be copied, so no second owner can give it back again.
#include <windows.h>
#include <commctrl.h>
#include <oleauto.h>
#include <winspool.h>

#include <cstddef>
#include <cstring>
#include <new>
#include <utility>

#include "base/win/system_library.h"

namespace base::win {

// A handle and the call that gives it back (Close, a function object). Empty is null.
template <typename Handle, typename Close> class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : handle_(handle) {}
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.Release()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { Reset(); }

    void Reset(Handle handle = nullptr) {
        if (const Handle previous = std::exchange(handle_, handle))
            Close()(previous);
    }
    Handle Get() const { return handle_; }
    // Gives the handle up to whoever takes it next (or notes that the system has destroyed it already);
    // nothing gives it back here any more.
    Handle Release() { return std::exchange(handle_, nullptr); }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_ = nullptr;
};

struct CloseKernelObject {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DestroyIconObject {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct DestroyImageList {
    void operator()(HIMAGELIST list) const { comctl32::ImageList_Destroy(list); }
};
struct ClosePrinterObject {
    void operator()(HANDLE printer) const { winspool::ClosePrinter(printer); }
};
struct FreeGlobalMemory {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
// The window is detached from the C++ object that handles its messages (GWLP_USERDATA cleared) before it
// is destroyed, so the messages of the destruction reach DefWindowProc and never an object that is itself
// being destroyed.
struct DestroyDetachedWindow {
    void operator()(HWND window) const {
        if (IsWindow(window)) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            DestroyWindow(window);
        }
    }
};

// One reference to a COM interface, given back with Release.
struct ReleaseInterface {
    void operator()(IUnknown* object) const { object->Release(); }
};

using FontHandle = OwnedHandle<HFONT, DeleteGdiObject>;
using BitmapHandle = OwnedHandle<HBITMAP, DeleteGdiObject>;
using IconHandle = OwnedHandle<HICON, DestroyIconObject>; // loaded without LR_SHARED
using ImageListHandle = OwnedHandle<HIMAGELIST, DestroyImageList>;
using PrinterHandle = OwnedHandle<HANDLE, ClosePrinterObject>;
using WindowHandle = OwnedHandle<HWND, DestroyDetachedWindow>;
template <typename Interface> using ComInterface = OwnedHandle<Interface*, ReleaseInterface>;

// A process, thread or file handle. CreateFile's INVALID_HANDLE_VALUE counts as none, so its result can
// be taken as it comes.
class KernelHandle : public OwnedHandle<HANDLE, CloseKernelObject> {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE handle) : OwnedHandle(Valid(handle)) {}
    void Reset(HANDLE handle = nullptr) { OwnedHandle::Reset(Valid(handle)); }

private:
    static HANDLE Valid(HANDLE handle) { return handle == INVALID_HANDLE_VALUE ? nullptr : handle; }
};

// One block of movable global memory, as the common dialogs take and give their records.
class GlobalMemory : public OwnedHandle<HGLOBAL, FreeGlobalMemory> {
public:
    using OwnedHandle::OwnedHandle;

    // A movable block of that size, zero-filled. Throws std::bad_alloc when there is no memory.
    static GlobalMemory Allocate(size_t size) {
        GlobalMemory memory(GlobalAlloc(GHND, size));
        if (!memory)
            throw std::bad_alloc();
        return memory;
    }

    // A block of the same size and content; an empty owner gives an empty copy.
    GlobalMemory Copy() const;
};

// Locks a block for as long as it lives, for reading or writing its record.
template <typename Record> class LockedRecord {
public:
    explicit LockedRecord(const GlobalMemory& memory)
        : memory_(memory.Get()), record_(memory_ ? static_cast<Record*>(GlobalLock(memory_)) : nullptr) {}
    ~LockedRecord() {
        if (record_)
            GlobalUnlock(memory_);
    }
    LockedRecord(const LockedRecord&) = delete;
    LockedRecord& operator=(const LockedRecord&) = delete;

    Record* operator->() const { return record_; }
    Record* Get() const { return record_; }
    explicit operator bool() const { return record_ != nullptr; }

private:
    HGLOBAL memory_;
    Record* record_;
};

inline GlobalMemory GlobalMemory::Copy() const {
    if (!Get())
        return GlobalMemory();
    const size_t size = GlobalSize(Get());
    GlobalMemory copy = Allocate(size);
    LockedRecord<const char> from(*this);
    LockedRecord<char> to(copy);
    if (!from || !to)
        throw std::bad_alloc();
    std::memcpy(to.Get(), from.Get(), size);
    return copy;
}

// The device context of a WM_PAINT: BeginPaint at construction, EndPaint at destruction.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// The whole screen's device context, given back with ReleaseDC. Null when the system has none to give.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ~ScreenDC() {
        if (dc_)
            ReleaseDC(nullptr, dc_);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;

    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// COM for this thread's lifetime, in a single-threaded apartment. CoUninitialize balances only an
// initialisation that succeeded (S_FALSE included); a failed one is reported by Status and later COM
// calls fail with their own status.
class ComApartment {
public:
    ComApartment() : status_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(status_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    HRESULT Status() const { return status_; }

private:
    HRESULT status_;
};

// A VARIANT that is cleared when it goes.
class OwnedVariant {
public:
    OwnedVariant() { VariantInit(&value_); }
    ~OwnedVariant() { VariantClear(&value_); }
    OwnedVariant(const OwnedVariant&) = delete;
    OwnedVariant& operator=(const OwnedVariant&) = delete;

    VARIANT* Get() { return &value_; }
    const VARIANT& operator*() const { return value_; }

private:
    VARIANT value_;
};

// The record IDispatch::Invoke fills with DISP_E_EXCEPTION; its texts are freed when it goes.
class OwnedExcepInfo {
public:
    OwnedExcepInfo() : info_() {}
    ~OwnedExcepInfo() {
        SysFreeString(info_.bstrSource);
        SysFreeString(info_.bstrDescription);
        SysFreeString(info_.bstrHelpFile);
    }
    OwnedExcepInfo(const OwnedExcepInfo&) = delete;
    OwnedExcepInfo& operator=(const OwnedExcepInfo&) = delete;

    EXCEPINFO* Get() { return &info_; }
    const EXCEPINFO* operator->() const { return &info_; }

private:
    EXCEPINFO info_;
};

} // namespace base::win
