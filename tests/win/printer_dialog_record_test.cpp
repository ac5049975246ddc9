// The records the printer dialogs are shown with, and the copy count the Print dialog leaves in the
// device settings, on real global memory.
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <string>

#include "shell/win/printer_dialogs.h"

using base::win::GlobalMemory;
using base::win::LockedRecord;
using shell::win::KeepDialogCopies;
using shell::win::PrinterDialogRecord;

namespace {

// What the dialog shown with a record offers, read by the record's hook as the dialog starts; the hook
// then cancels it.
struct DialogSeen {
    bool hooked = false;
    std::string caption;
    bool allPagesChecked = false;
    bool pageRangeEnabled = true;
    bool selectionEnabled = true;
    bool printToFileVisible = true;
};
DialogSeen g_seen;

UINT_PTR CALLBACK ReadAndCancel(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG || g_seen.hooked)
        return 0;
    g_seen.hooked = true;
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    g_seen.caption = caption;
    g_seen.allPagesChecked = IsDlgButtonChecked(dialog, rad1) == BST_CHECKED;
    g_seen.pageRangeEnabled = IsWindowEnabled(GetDlgItem(dialog, rad3)) != FALSE;
    g_seen.selectionEnabled = IsWindowEnabled(GetDlgItem(dialog, rad2)) != FALSE;
    g_seen.printToFileVisible = IsWindowVisible(GetDlgItem(dialog, chx1)) != FALSE;
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

DialogSeen ShowAndCancel(bool printSetup) {
    g_seen = DialogSeen{};
    PRINTDLGA record = PrinterDialogRecord(printSetup, nullptr, 1, &ReadAndCancel);
    EXPECT_FALSE(PrintDlgA(&record));
    EXPECT_EQ(CommDlgExtendedError(), 0u) << "the dialog failed rather than was cancelled";
    GlobalMemory devMode(record.hDevMode), devNames(record.hDevNames);
    return g_seen;
}

// Needs a printer: without one neither dialog opens.
TEST(PrinterDialogRecordWithPrinter, PrintOffersAllPagesOnlyAndNoPrintToFileAndCallsThePlacingHook) {
    const DialogSeen print = ShowAndCancel(false);
    ASSERT_TRUE(print.hooked);
    EXPECT_TRUE(print.allPagesChecked);
    EXPECT_FALSE(print.pageRangeEnabled);
    EXPECT_FALSE(print.selectionEnabled);
    EXPECT_FALSE(print.printToFileVisible);
}

TEST(PrinterDialogRecordWithPrinter, PrintSetupOpensTheSetupDialogAndCallsThePlacingHook) {
    const DialogSeen setup = ShowAndCancel(true);
    ASSERT_TRUE(setup.hooked);
    EXPECT_EQ(setup.caption, "Print Setup");
}

TEST(PrinterDialogRecord, CarriesItsOwnerAndCopies) {
    HWND owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
    const PRINTDLGA print = PrinterDialogRecord(false, owner, 3, &ReadAndCancel);
    EXPECT_EQ(print.lStructSize, sizeof(PRINTDLGA));
    EXPECT_EQ(print.hwndOwner, owner);
    EXPECT_EQ(print.nCopies, 3);
}

TEST(PrintDialogCopies, AreWrittenAndMarkedInTheDeviceSettingsOnlyWhenTheDialogReportsMoreThanOne) {
    GlobalMemory devMode(GlobalAlloc(GHND, sizeof(DEVMODEA)));
    ASSERT_TRUE(devMode);
    const auto settings = [&] {
        LockedRecord<DEVMODEA> record(devMode);
        return *record.Get();
    };
    {
        LockedRecord<DEVMODEA> record(devMode);
        record->dmFields = DM_ORIENTATION; // a driver that keeps its copies elsewhere
        record->dmCopies = 4;
    }
    // 1: the dialog put the count into the settings itself, or the user chose 1; the settings stand.
    KeepDialogCopies(devMode, 1);
    EXPECT_EQ(settings().dmFields, static_cast<DWORD>(DM_ORIENTATION));
    EXPECT_EQ(settings().dmCopies, 4);

    KeepDialogCopies(devMode, 3);
    EXPECT_EQ(settings().dmFields, static_cast<DWORD>(DM_ORIENTATION | DM_COPIES));
    EXPECT_EQ(settings().dmCopies, 3);
}

} // namespace
