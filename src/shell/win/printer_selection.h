#pragma once
// The program's current printer: the printer (device, driver and port, as a DEVNAMES record) and its
// device settings (a DEVMODE record), both in movable global memory because that is how PrintDlgA
// takes and gives them. One selection, held by the main window's printer dialogs for the whole run.
#include <windows.h>

#include <cstddef>

#include "shell/win/win_handles.h"

// Owns one block of global memory and frees it exactly once: when replaced, reset or destroyed.
class GlobalMemory : public OwnedHandle<HGLOBAL, FreeGlobalMemory> {
public:
    using OwnedHandle::OwnedHandle;

    // A movable block of that size, zero-filled. Throws when there is no memory.
    static GlobalMemory Allocate(size_t size);

    // A block of the same size and content; an empty owner gives an empty copy.
    GlobalMemory Copy() const;
};

// Locks a block for as long as it lives, for reading or writing its record.
template <typename Record> class LockedRecord {
public:
    explicit LockedRecord(const GlobalMemory& memory)
        : memory_(memory.Get()), record_(memory_ ? static_cast<Record*>(::GlobalLock(memory_)) : nullptr) {}
    ~LockedRecord() {
        if (record_)
            ::GlobalUnlock(memory_);
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

struct PrinterSelection {
    GlobalMemory devNames; // DEVNAMES: driver, device and port
    GlobalMemory devMode;  // DEVMODEA; may be empty if the driver gave no settings, then the dialog asks it

    bool IsSet() const { return static_cast<bool>(devNames); }
};

// The selection for the system's default printer: the one the profile's windows/device entry names,
// if it is installed, with that printer's own default device settings. Throws base::Exception
// with "There is no default printer currently selected" when there is none.
PrinterSelection DefaultPrinterSelection();
