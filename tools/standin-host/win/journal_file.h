#pragma once
// Appends each journal line to the journal file on its own: open, write, close. WriteFile hands the
// bytes straight to the system, so a line that returned is in the file even if the process is
// terminated the next moment (the die scenario does exactly that).
#include <string>

#include "journal.h"

namespace standin::win {

class JournalFile : public LineSink {
public:
    explicit JournalFile(std::wstring path) : path_(std::move(path)) {}
    void Append(const std::string& line) override;

private:
    std::wstring path_;
};

} // namespace standin::win
