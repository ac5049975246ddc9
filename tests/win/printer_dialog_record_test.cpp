// The records the printer dialogs are shown with, and the copy count the Print dialog leaves in the
// device settings, on real global memory.
#include <gtest/gtest.h>

#include <windows.h>

#include "shell/win/printer_dialog_record.h"

using base::win::GlobalMemory;
using base::win::LockedRecord;
using shell::win::KeepDialogCopies;
using shell::win::PrinterDialogRecord;

namespace {

UINT_PTR CALLBACK PlaceNowhere(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

TEST(PrinterDialogRecord, PrintGetsItsFixedChoicesAndPrintSetupOnlyPrintSetupWithThePlacingHook) {
    HWND owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
    const PRINTDLGA print = PrinterDialogRecord(false, owner, 3, &PlaceNowhere);
    EXPECT_EQ(print.lStructSize, sizeof(PRINTDLGA));
    EXPECT_EQ(print.hwndOwner, owner);
    EXPECT_EQ(print.nCopies, 3);
    EXPECT_EQ(print.Flags, static_cast<DWORD>(PD_ALLPAGES | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE |
                                              PD_NOWARNING | PD_ENABLEPRINTHOOK));
    EXPECT_EQ(print.lpfnPrintHook, &PlaceNowhere);
    EXPECT_EQ(print.nFromPage | print.nToPage | print.nMinPage | print.nMaxPage, 0);

    const PRINTDLGA setup = PrinterDialogRecord(true, owner, 1, &PlaceNowhere);
    EXPECT_EQ(setup.hwndOwner, owner);
    // The print hook too: under Wine it is the one that places Print Setup.
    EXPECT_EQ(setup.Flags, static_cast<DWORD>(PD_PRINTSETUP | PD_ENABLESETUPHOOK | PD_ENABLEPRINTHOOK));
    EXPECT_EQ(setup.lpfnSetupHook, &PlaceNowhere);
    EXPECT_EQ(setup.lpfnPrintHook, &PlaceNowhere);
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
