// Checks an installed Vantrel from outside, as the administrator and the user meet it: the entry in
// Add/Remove Programs, the Start-menu shortcut, the program's version resource and manifest, and the
// program itself started from where the shortcut points. tests/release/install_test runs it in a fresh
// prefix after the silent install (Installed.*) and after the silent uninstall (Removed.*). Nothing here
// is Wine-specific: it runs as well on a Windows machine where the release was installed.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "automation/win/com_platform.h"
#include "base/win/owners.h"
#include "support/win/driver.h"
#include "vantrel_version.h"

using Microsoft::WRL::ComPtr;

namespace {

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantrel";
constexpr wchar_t kTitle[] = L"" VANTREL_TITLE;
constexpr wchar_t kVersion[] = L"" VANTREL_VERSION_STRING;
constexpr wchar_t kVersionQuad[] = L"" VANTREL_VERSION_QUAD_STRING;
constexpr wchar_t kWelcome[] = L"Welcome to Vantrel";

struct CoTaskMemDeleter {
    void operator()(wchar_t* text) const { CoTaskMemFree(text); }
};

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    wchar_t* raw = nullptr;
    const HRESULT result = SHGetKnownFolderPath(id, 0, nullptr, &raw);
    std::unique_ptr<wchar_t, CoTaskMemDeleter> path(raw);
    return SUCCEEDED(result) ? std::wstring(path.get()) : std::wstring();
}

std::wstring InstallFolder() {
    return KnownFolder(FOLDERID_ProgramFiles) + L"\\Vantrel";
}
std::wstring InstalledProgram() {
    return InstallFolder() + L"\\Vantrel.exe";
}
std::wstring Shortcut() {
    return KnownFolder(FOLDERID_CommonPrograms) + L"\\Vantrel.lnk";
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::wstring> UninstallValue(const wchar_t* name) {
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    text.resize(bytes / sizeof(wchar_t) - 1); // without the terminator
    return text;
}

struct ShortcutContent {
    HRESULT loaded = E_FAIL;
    std::wstring target;
    std::wstring workingFolder;
    std::wstring arguments;
};

ShortcutContent ReadShortcut(const std::wstring& path) {
    ShortcutContent content;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    content.loaded = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      reinterpret_cast<void**>(link.GetAddressOf()));
    if (SUCCEEDED(content.loaded))
        content.loaded = link.As(&file);
    if (SUCCEEDED(content.loaded))
        content.loaded = file->Load(path.c_str(), STGM_READ);
    if (FAILED(content.loaded))
        return content;
    wchar_t text[MAX_PATH] = {};
    if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
        content.target = text;
    text[0] = L'\0';
    if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH)))
        content.workingFolder = text;
    text[0] = L'\0';
    if (SUCCEEDED(link->GetArguments(text, MAX_PATH)))
        content.arguments = text;
    return content;
}

// The version resource of a file, read as Explorer's Details tab reads it.
class VersionResource {
public:
    explicit VersionResource(const std::wstring& path) {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        data_.resize(size);
        if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, data_.data()))
            data_.clear();
    }

    bool Present() const { return !data_.empty(); }

    const VS_FIXEDFILEINFO* Fixed() const { return static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\")); }

    // A string of the block the translation table names first.
    std::wstring String(const wchar_t* name) const {
        const auto* translation = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation"));
        if (!translation)
            return L"";
        wchar_t language[9] = {}; // language and code page, 4 hex digits each
        swprintf(language, 9, L"%04x%04x", translation[0], translation[1]);
        const std::wstring block = std::wstring(L"\\StringFileInfo\\") + language + L"\\" + name;
        const auto* text = static_cast<const wchar_t*>(Query(block.c_str()));
        return text ? std::wstring(text) : std::wstring();
    }

private:
    const void* Query(const wchar_t* subBlock) const {
        void* value = nullptr;
        UINT length = 0;
        if (data_.empty() || !VerQueryValueW(data_.data(), subBlock, &value, &length) || length == 0)
            return nullptr;
        return value;
    }

    std::vector<unsigned char> data_;
};

struct ModuleDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

// The manifest the loader reads: resource 1 of type RT_MANIFEST.
std::string EmbeddedManifest(const std::wstring& path) {
    std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter> module(
        LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module)
        return "";
    HRSRC resource = FindResourceW(module.get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    HGLOBAL loaded = resource ? LoadResource(module.get(), resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return "";
    return std::string(static_cast<const char*>(bytes), SizeofResource(module.get(), resource));
}

// The full paths of the modules another process has loaded, in lower case.
std::vector<std::wstring> LoadedModules(HANDLE process) {
    std::vector<HMODULE> modules(512);
    DWORD bytes = 0;
    if (!EnumProcessModules(process, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &bytes))
        return {};
    modules.resize(std::min<size_t>(modules.size(), bytes / sizeof(HMODULE)));
    std::vector<std::wstring> paths;
    for (HMODULE module : modules) {
        wchar_t path[MAX_PATH] = {};
        if (GetModuleFileNameExW(process, module, path, MAX_PATH) == 0)
            continue;
        std::wstring lower(path);
        std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
        paths.push_back(lower);
    }
    return paths;
}

// The common controls 6.0 live in a side-by-side assembly, which only a manifest that asks for them
// brings into the process; without it the system folder's comctl32 (version 5) is loaded.
bool UsesCommonControls6(HANDLE process) {
    const std::vector<std::wstring> modules = LoadedModules(process);
    return std::any_of(modules.begin(), modules.end(), [](const std::wstring& path) {
        return path.find(L"\\winsxs\\") != std::wstring::npos &&
               path.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0.") != std::wstring::npos &&
               path.size() >= 13 && path.compare(path.size() - 13, 13, L"\\comctl32.dll") == 0;
    });
}

class Installed : public ::testing::Test {
protected:
    base::win::ComApartment apartment_;
};

TEST_F(Installed, UninstallEntryNamesTheProgramItsVersionAndTheSilentSwitch) {
    const std::wstring folder = InstallFolder();
    EXPECT_EQ(UninstallValue(L"DisplayName"), std::wstring(L"Vantrel"));
    EXPECT_EQ(UninstallValue(L"DisplayVersion"), std::wstring(kVersion));
    EXPECT_EQ(UninstallValue(L"InstallLocation"), folder);
    EXPECT_EQ(UninstallValue(L"DisplayIcon"), folder + L"\\Vantrel.exe,0");
    EXPECT_EQ(UninstallValue(L"UninstallString"), L"\"" + folder + L"\\Uninstall.exe\"");
    EXPECT_EQ(UninstallValue(L"QuietUninstallString"), L"\"" + folder + L"\\Uninstall.exe\" /S");
    EXPECT_TRUE(Exists(folder + L"\\Uninstall.exe"));
}

// The help viewer gets the help file's bare name, so the program must start in its own folder.
TEST_F(Installed, ShortcutStartsTheInstalledProgramInItsOwnFolder) {
    const ShortcutContent shortcut = ReadShortcut(Shortcut());
    ASSERT_EQ(shortcut.loaded, S_OK) << "cannot read " << testing::PrintToString(Shortcut());
    EXPECT_EQ(shortcut.target, InstalledProgram());
    EXPECT_EQ(shortcut.workingFolder, InstallFolder());
    EXPECT_EQ(shortcut.arguments, L"");
}

TEST_F(Installed, ProgramCarriesTheProjectVersion) {
    const VersionResource version(InstalledProgram());
    ASSERT_TRUE(version.Present());
    const VS_FIXEDFILEINFO* fixed = version.Fixed();
    ASSERT_NE(fixed, nullptr);
    const DWORD high = (VANTREL_VERSION_MAJOR << 16) | VANTREL_VERSION_MINOR;
    const DWORD low = static_cast<DWORD>(VANTREL_VERSION_PATCH) << 16;
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(version.String(L"FileVersion"), kVersionQuad);
    EXPECT_EQ(version.String(L"ProductVersion"), kVersion);
    EXPECT_EQ(version.String(L"ProductName"), L"Vantrel");
    EXPECT_EQ(version.String(L"OriginalFilename"), L"Vantrel.exe");
}

TEST_F(Installed, ProgramEmbedsCommonControls6AsInvokerAndTheSupportedSystemsFrom7On) {
    const std::string manifest = EmbeddedManifest(InstalledProgram());
    ASSERT_FALSE(manifest.empty());
    const std::string expected[] = {
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "level=\"asInvoker\"",
        std::string("version=\"") + VANTREL_VERSION_QUAD_STRING + "\"",
        ">true/pm</dpiAware>",
        ">PerMonitorV2, PerMonitor</dpiAwareness>",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // 10 and 11
    };
    for (const std::string& text : expected)
        EXPECT_NE(manifest.find(text), std::string::npos) << "missing from the manifest: " << text;
    // Vista: the program doesn't start there, so the manifest doesn't name it.
    EXPECT_EQ(manifest.find("{e2011457-1546-43c5-a5fe-008deee3d3f0}"), std::string::npos);
}

TEST_F(Installed, ProgramStartsWithItsTitleAndWelcomeAndClosesWithCodeZero) {
    const std::wstring target = ReadShortcut(Shortcut()).target;
    ASSERT_FALSE(target.empty());
    gui::App app = gui::App::Launch(target, nullptr);
    EXPECT_EQ(gui::WindowText(app.MainWindow()), kTitle);
    HWND statusBar = gui::FindChild(app.MainWindow(), STATUSCLASSNAMEW);
    ASSERT_NE(statusBar, nullptr);
    EXPECT_EQ(app.StatusText(statusBar), kWelcome);
    EXPECT_TRUE(UsesCommonControls6(app.Process()));

    PostMessageW(app.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app.WaitForExit(15000), std::optional<DWORD>(0));
}

TEST(Removed, UninstallEntryIsGone) {
    HKEY key = nullptr;
    const LSTATUS opened = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key);
    if (opened == ERROR_SUCCESS)
        RegCloseKey(key);
    EXPECT_EQ(opened, ERROR_FILE_NOT_FOUND);
}

TEST(Removed, ProgramFolderAndShortcutAreGone) {
    EXPECT_FALSE(Exists(InstallFolder()));
    EXPECT_FALSE(Exists(Shortcut()));
}

} // namespace
