#pragma once
// A copy of a program in a folder of its own, with a DLL planted beside it under the names of system DLLs,
// as someone might drop them beside a portable program in a Downloads folder. Windows looks in the
// program's folder first for a DLL its KnownDLLs list doesn't protect; Wine loads its own copy unless told
// to look there first, so Wine is told so ("native, builtin") for this copy and these names alone. The
// planted DLL (tests/gui/planted_dll.cpp) leaves "<its path>.ran" beside itself when it runs.
#include <string>
#include <vector>

namespace support::win {

class PlantedFolder {
public:
    // program: the exe to copy; exeName: the copy's own name, so that its Wine settings are its alone;
    // planted: the DLL to copy under each of names.
    PlantedFolder(const std::wstring& program, const std::wstring& exeName, const std::wstring& planted,
                  std::vector<std::wstring> names);
    ~PlantedFolder();
    PlantedFolder(const PlantedFolder&) = delete;
    PlantedFolder& operator=(const PlantedFolder&) = delete;

    // False when the folder, the copies or the load order could not be set up.
    bool Ready() const { return ready_; }
    std::wstring Exe() const { return InFolder(exeName_); }
    std::wstring InFolder(const std::wstring& name) const { return folder_ + L"\\" + name; }
    // Whether the DLL planted under that name has run in some process.
    bool Ran(const std::wstring& name) const;

private:
    bool Plant(const std::wstring& planted);
    std::wstring LoadOrderKey() const;

    std::wstring folder_;
    std::wstring exeName_;
    std::vector<std::wstring> names_;
    bool ready_ = false;
};

// The folder of the running test program, where the build puts every test program and test DLL.
std::wstring TestProgramFolder();

} // namespace support::win
