#include "journal_file.h"

#include "base/win/owners.h"
#include "win_util.h"

namespace standin::win {

void JournalFile::Append(const std::string& line) {
    // Readers (the tests) keep the file open and may delete it between runs, so share everything.
    base::win::KernelHandle file(CreateFileW(path_.c_str(), FILE_APPEND_DATA,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return; // a journal that cannot be written must not take the server down with it
    std::string bytes = line + '\n';
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

} // namespace standin::win
