// Stands in for the shell's taskbar object in a test prefix whose registry gives this DLL as the
// in-process server of CLSID_TaskbarList. It journals, to the file VANTREL_TASKBAR_JOURNAL names, every
// call of the program it is loaded into: "<path>|<method>|<class of the window>|<arguments>" (COM's request
// for the class object as GetClassObject), and the
// program's FlashWindowEx calls as "<path>|FlashWindowEx|<class>|<flags>" (it takes over the program's
// import of that function when COM first asks it for its class). VANTREL_TASKBAR_REFUSE makes it fail
// like a taskbar that isn't there: "create" (no class object), "init" (HrInit) or "calls" (every call
// after HrInit), each with E_FAIL.
#include <windows.h>
#include <shobjidl.h>

#include <cstring>
#include <string>

#include "support/win/journal.h"

namespace {

constexpr wchar_t kJournalVariable[] = L"VANTREL_TASKBAR_JOURNAL";
HMODULE gThisModule = nullptr;

bool Refuses(const char* what) {
    char mode[16] = {};
    const DWORD length = GetEnvironmentVariableA("VANTREL_TASKBAR_REFUSE", mode, sizeof mode);
    return length > 0 && length < sizeof mode && std::strcmp(mode, what) == 0;
}

std::string WindowClass(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HRESULT Journal(const char* method, HWND window, const std::string& arguments, const char* refusedBy = "calls") {
    support::win::AppendJournalLine(gThisModule,
                                    base::win::Widen(std::string(method) + "|" + WindowClass(window) + "|" + arguments),
                                    kJournalVariable);
    return Refuses(refusedBy) ? E_FAIL : S_OK;
}

decltype(&FlashWindowEx) gFlashWindowEx = nullptr;

BOOL WINAPI RecordedFlashWindowEx(PFLASHWINFO info) {
    Journal("FlashWindowEx", info->hwnd, std::to_string(info->dwFlags));
    return gFlashWindowEx(info);
}

// Points the program's import of user32's FlashWindowEx at the recording above.
void TakeFlashImport() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* headers =
        reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); imports && dll->Name; ++dll) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + dll->Name), "user32.dll") != 0)
            continue;
        auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk); name->u1.AddressOfData;
             ++name, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) ||
                std::strcmp(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData)->Name,
                            "FlashWindowEx") != 0)
                continue;
            DWORD protection = 0;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
            gFlashWindowEx = reinterpret_cast<decltype(gFlashWindowEx)>(slot->u1.Function);
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(&RecordedFlashWindowEx);
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
        }
    }
}

// The methods Vantrel has no use for: journaled, so a test would see such a call.
#define VANTREL_UNUSED_METHOD(name, parameters)                                                                        \
    HRESULT STDMETHODCALLTYPE name parameters override {                                                               \
        return Journal(#name, nullptr, "");                                                                            \
    }

// The class object and the taskbar object in one: the DLL lives as long as the process, so neither counts
// references.
class TaskbarStandIn final : public ITaskbarList3, public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_ITaskbarList || iid == IID_ITaskbarList2 || iid == IID_ITaskbarList3)
            *object = static_cast<ITaskbarList3*>(this);
        else if (iid == IID_IClassFactory)
            *object = static_cast<IClassFactory*>(this);
        else
            return *object = nullptr, E_NOINTERFACE;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        return outer ? CLASS_E_NOAGGREGATION : QueryInterface(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

    HRESULT STDMETHODCALLTYPE HrInit() override { return Journal("HrInit", nullptr, "", "init"); }
    HRESULT STDMETHODCALLTYPE SetProgressValue(HWND window, ULONGLONG done, ULONGLONG total) override {
        return Journal("SetProgressValue", window, std::to_string(done) + "/" + std::to_string(total));
    }
    HRESULT STDMETHODCALLTYPE SetProgressState(HWND window, TBPFLAG state) override {
        return Journal("SetProgressState", window, std::to_string(state));
    }
    VANTREL_UNUSED_METHOD(AddTab, (HWND))
    VANTREL_UNUSED_METHOD(DeleteTab, (HWND))
    VANTREL_UNUSED_METHOD(ActivateTab, (HWND))
    VANTREL_UNUSED_METHOD(SetActiveAlt, (HWND))
    VANTREL_UNUSED_METHOD(MarkFullscreenWindow, (HWND, BOOL))
    VANTREL_UNUSED_METHOD(RegisterTab, (HWND, HWND))
    VANTREL_UNUSED_METHOD(UnregisterTab, (HWND))
    VANTREL_UNUSED_METHOD(SetTabOrder, (HWND, HWND))
    VANTREL_UNUSED_METHOD(SetTabActive, (HWND, HWND, DWORD))
    VANTREL_UNUSED_METHOD(ThumbBarAddButtons, (HWND, UINT, LPTHUMBBUTTON))
    VANTREL_UNUSED_METHOD(ThumbBarUpdateButtons, (HWND, UINT, LPTHUMBBUTTON))
    VANTREL_UNUSED_METHOD(ThumbBarSetImageList, (HWND, HIMAGELIST))
    VANTREL_UNUSED_METHOD(SetOverlayIcon, (HWND, HICON, LPCWSTR))
    VANTREL_UNUSED_METHOD(SetThumbnailTooltip, (HWND, LPCWSTR))
    VANTREL_UNUSED_METHOD(SetThumbnailClip, (HWND, RECT*))
};

TaskbarStandIn gStandIn;

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gThisModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    Journal("GetClassObject", nullptr, "", "");
    if (!gFlashWindowEx)
        TakeFlashImport();
    if (clsid != CLSID_TaskbarList || Refuses("create"))
        return *object = nullptr, CLASS_E_CLASSNOTAVAILABLE;
    return gStandIn.QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow() {
    return S_FALSE;
}
