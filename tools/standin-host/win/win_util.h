#pragma once
// Small owners and conversions the stand-in host and its tests share.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace standin {

// {6E3B1C52-9A0D-4F8B-B1E7-2D4C5A9F0E11}, registered for "SldWorks.Application" by the register script.
constexpr CLSID kStandinHostClsid = {0x6E3B1C52, 0x9A0D, 0x4F8B, {0xB1, 0xE7, 0x2D, 0x4C, 0x5A, 0x9F, 0x0E, 0x11}};

constexpr wchar_t kScenarioFileName[] = L"standin-host.ini";
constexpr wchar_t kDefaultJournalFileName[] = L"standin-host.journal";
constexpr wchar_t kExceptionSource[] = L"Stand-in host";

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// The folder of this process's exe, with a trailing backslash.
std::wstring ExeDirectory();

class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() {
        if (handle_)
            CloseHandle(handle_);
    }
    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HANDLE handle_ = nullptr;
};

class UniqueBstr {
public:
    UniqueBstr() = default;
    explicit UniqueBstr(std::wstring_view text)
        : bstr_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    UniqueBstr(UniqueBstr&& other) noexcept : bstr_(std::exchange(other.bstr_, nullptr)) {}
    UniqueBstr& operator=(UniqueBstr&& other) noexcept {
        std::swap(bstr_, other.bstr_);
        return *this;
    }
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;
    ~UniqueBstr() { SysFreeString(bstr_); }
    BSTR Get() const { return bstr_; }
    // Hands the string to a caller that frees it (an EXCEPINFO field, for one).
    BSTR Detach() { return std::exchange(bstr_, nullptr); }
    // For out-parameters: frees what is held and lends the slot.
    BSTR* Receive() {
        SysFreeString(std::exchange(bstr_, nullptr));
        return &bstr_;
    }

private:
    BSTR bstr_ = nullptr;
};

// A VARIANT that is cleared when it goes, like ATL's CComVariant, without its conversions.
class UniqueVariant {
public:
    UniqueVariant() { VariantInit(&value_); }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;
    ~UniqueVariant() { VariantClear(&value_); }
    VARIANT* Get() { return &value_; }
    const VARIANT& operator*() const { return value_; }

private:
    VARIANT value_;
};

// The record Invoke fills with DISP_E_EXCEPTION; its texts are freed when it goes.
class UniqueExcepInfo {
public:
    UniqueExcepInfo() : info_() {}
    UniqueExcepInfo(const UniqueExcepInfo&) = delete;
    UniqueExcepInfo& operator=(const UniqueExcepInfo&) = delete;
    ~UniqueExcepInfo() {
        SysFreeString(info_.bstrSource);
        SysFreeString(info_.bstrDescription);
        SysFreeString(info_.bstrHelpFile);
    }
    EXCEPINFO* Get() { return &info_; }
    const EXCEPINFO* operator->() const { return &info_; }

private:
    EXCEPINFO info_;
};

class UniqueWindow {
public:
    UniqueWindow() = default;
    explicit UniqueWindow(HWND window) : window_(window) {}
    UniqueWindow(UniqueWindow&& other) noexcept : window_(std::exchange(other.window_, nullptr)) {}
    UniqueWindow& operator=(UniqueWindow&& other) noexcept {
        std::swap(window_, other.window_);
        return *this;
    }
    UniqueWindow(const UniqueWindow&) = delete;
    UniqueWindow& operator=(const UniqueWindow&) = delete;
    ~UniqueWindow() {
        if (window_)
            DestroyWindow(window_);
    }
    HWND Get() const { return window_; }

private:
    HWND window_ = nullptr;
};

// CoInitializeEx for this thread's lifetime (a single-threaded apartment).
class ComApartment {
public:
    ComApartment() : status_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(status_))
            CoUninitialize();
    }
    HRESULT Status() const { return status_; }

private:
    HRESULT status_;
};

// The whole content of a file, empty when it does not exist or cannot be read.
std::string ReadWholeFile(const std::wstring& path);
// Replaces the file's content; false when it cannot be created or written.
bool WriteWholeFile(const std::wstring& path, std::string_view content);

} // namespace standin
