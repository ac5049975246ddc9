// Where a Windows lacks SetDefaultDllDirectories (7 without KB2533623), the system DLLs Vantrel loads late
// still come from the system's own folders, not from a copy planted beside the program. The probe
// (dll_search_probe.cpp) loads each as Vantrel does, in a folder of planted copies (support/win/planted.h).
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/win/fixtures.h"
#include "support/win/planted.h"
#include "support/win/text.h"

namespace {

using support::win::PlantedFolder;
using support::win::TestProgramFolder;

// What Vantrel loads through SystemLibrary.
const wchar_t* const kLateLoaded[] = {L"comctl32.dll", L"comdlg32.dll", L"winspool.drv",
                                      L"hhctrl.ocx",   L"shcore.dll",   L"shell32.dll"};

struct ProbeRun {
    DWORD exitCode;
    std::string search; // the probe's first line
    std::string path;   // where the DLL came from
};

class DllSearchTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.Ready()); }

    // Runs the probe copy in its folder, its output going through a file.
    std::optional<ProbeRun> Probe(const std::wstring& mode, const std::wstring& dll) const {
        const std::wstring outputPath = folder_.InFolder(L"probe-output.txt");
        ProbeRun run{};
        if (!RunWithOutputIn(L"\"" + folder_.Exe() + L"\" " + mode + L" " + dll, outputPath, run.exitCode))
            return std::nullopt;
        const std::string output = support::win::FileBytes(outputPath).value_or("");
        DeleteFileW(outputPath.c_str());
        const size_t searchEnd = output.find_first_of("\r\n");
        const size_t pathStart = output.find_first_not_of("\r\n", searchEnd);
        run.search = output.substr(0, searchEnd);
        if (pathStart != std::string::npos)
            run.path = output.substr(pathStart, output.find_first_of("\r\n", pathStart) - pathStart);
        return run;
    }

    bool RunWithOutputIn(std::wstring commandLine, const std::wstring& outputPath, DWORD& exitCode) const {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        const base::win::KernelHandle output(
            CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS, 0, nullptr));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output.Get();
        PROCESS_INFORMATION process{};
        if (!output || !CreateProcessW(folder_.Exe().c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                       nullptr, &startup, &process))
            return false;
        const base::win::KernelHandle thread(process.hThread), child(process.hProcess);
        return WaitForSingleObject(child.Get(), 30000) == WAIT_OBJECT_0 && GetExitCodeProcess(child.Get(), &exitCode);
    }

    static std::string InSystemFolder(const std::wstring& dll) {
        char folder[MAX_PATH] = {};
        GetSystemDirectoryA(folder, MAX_PATH);
        return std::string(folder) + "\\" + support::win::Narrow(dll);
    }

    PlantedFolder folder_{TestProgramFolder() + L"\\vantrel_dll_search_probe.exe",
                          L"VantrelDllProbe.exe",
                          TestProgramFolder() + L"\\planted_dll.dll",
                          {std::begin(kLateLoaded), std::end(kLateLoaded)}};
};

bool SamePath(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

TEST_F(DllSearchTest, WithoutSetDefaultDllDirectoriesEachLateLoadIsTheSystemFoldersCopy) {
    for (const wchar_t* dll : kLateLoaded) {
        const std::optional<ProbeRun> run = Probe(L"fallback", dll);
        ASSERT_TRUE(run.has_value()) << "the probe did not run";
        EXPECT_EQ(run->exitCode, 0u) << support::win::Narrow(dll);
        EXPECT_EQ(run->search, "full paths");
        // The common controls from the side-by-side store's version 6, as the manifest (the probe has it) asks.
        EXPECT_TRUE(dll == std::wstring(L"comctl32.dll")
                        ? run->path.find("common-controls_6595b64144ccf1df_6.0.") != std::string::npos
                        : SamePath(run->path, InSystemFolder(dll)))
            << run->path;
        EXPECT_FALSE(folder_.Ran(dll)) << "the planted " << support::win::Narrow(dll) << " ran";
    }
}

TEST_F(DllSearchTest, WithSetDefaultDllDirectoriesTheLoadIsTheSystemFoldersCopy) {
    const std::optional<ProbeRun> run = Probe(L"restricted", L"winspool.drv");
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->search, "system folder only");
    EXPECT_TRUE(SamePath(run->path, InSystemFolder(L"winspool.drv"))) << run->path;
    EXPECT_FALSE(folder_.Ran(L"winspool.drv"));
}

// What the two tests above guard against: a plain load by name takes the planted copy.
TEST_F(DllSearchTest, APlainLoadByNameTakesThePlantedCopy) {
    const std::optional<ProbeRun> run = Probe(L"plain", L"winspool.drv");
    ASSERT_TRUE(run.has_value());
    EXPECT_TRUE(SamePath(run->path, support::win::Narrow(folder_.InFolder(L"winspool.drv")))) << run->path;
    EXPECT_TRUE(folder_.Ran(L"winspool.drv"));
}

} // namespace
