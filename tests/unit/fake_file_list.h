#pragma once
// Test stand-ins for the file-list seams: a sorted list with the list control's contract and files
// held in memory (the dialogs' is support/scripted_file_dialogs.h).
#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "shell/list_file.h"
#include "shell/sorted_list.h"

namespace fakes {

inline bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

// Sorted without regard to case, each new entry after those equal to it; refuses entries once it
// holds capacity of them. Records what happened, and whether the redraw was suspended at the time.
class SortedFileList : public shell::FileList {
public:
    std::vector<std::string> entries;
    std::set<int> selected;
    size_t capacity = SIZE_MAX;
    int suspensions = 0;
    std::vector<std::string> events;

    explicit SortedFileList(std::vector<std::string> initial = {}) {
        for (const std::string& entry : initial)
            Put(entry);
    }

    int Count() const override { return static_cast<int>(entries.size()); }
    std::string Entry(int index) const override { return entries.at(static_cast<size_t>(index)); }
    std::vector<int> Selection() const override { return {selected.begin(), selected.end()}; }
    bool Insert(std::string_view entry) override {
        if (entries.size() >= capacity) {
            events.push_back("refused " + std::string(entry) + Suspended());
            return false;
        }
        events.push_back("insert " + std::string(entry) + Suspended());
        Put(std::string(entry));
        return true;
    }
    size_t InsertAll(const std::vector<std::string_view>& all) override {
        size_t inserted = 0;
        while (inserted < all.size() && Insert(all[inserted]))
            ++inserted;
        return inserted;
    }
    void Clear() override {
        events.push_back("clear" + Suspended());
        entries.clear();
        selected.clear();
    }
    void SuspendRedraw() override {
        ++suspensions;
        events.push_back("suspend");
    }
    void ResumeRedraw() override {
        --suspensions;
        events.push_back("resume");
    }

private:
    std::string Suspended() const { return suspensions > 0 ? " (suspended)" : ""; }
    void Put(const std::string& entry) {
        // Inserting moves the selection of the entries behind it, as the control does.
        const auto place = std::upper_bound(entries.begin(), entries.end(), entry, LessIgnoringCase);
        const int index = static_cast<int>(place - entries.begin());
        std::set<int> moved;
        for (int s : selected)
            moved.insert(s >= index ? s + 1 : s);
        selected = moved;
        entries.insert(place, entry);
    }
};

// Files in memory; a path in failures answers with that result instead.
class MemoryFiles : public shell::ListFileStore {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, shell::FileResult> failures;
    std::vector<std::string> calls;

    shell::FileResult ReadWhole(const std::string& path, std::string& bytes) override {
        calls.push_back("read " + path);
        if (auto failure = failures.find(path); failure != failures.end())
            return failure->second;
        auto file = files.find(path);
        if (file == files.end())
            return shell::FileResult::CannotOpen;
        bytes = file->second;
        return shell::FileResult::Ok;
    }
    shell::FileResult WriteWhole(const std::string& path, std::string_view bytes) override {
        calls.push_back("write " + path);
        if (auto failure = failures.find(path); failure != failures.end())
            return failure->second;
        files[path] = std::string(bytes);
        return shell::FileResult::Ok;
    }
};

} // namespace fakes
