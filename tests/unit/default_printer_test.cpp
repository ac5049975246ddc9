#include <gtest/gtest.h>

#include <cstring>

#include "shell/default_printer.h"
#include "support/caught.h"

namespace {

using Strings = std::vector<std::string>;

// Answers like GetProfileStringA: at most room - 1 characters and a NUL, the count copied returned.
// It records the room of every read.
struct ProfileEntry {
    explicit ProfileEntry(std::string entry) : text(std::move(entry)) {}

    std::string text;
    std::vector<size_t> rooms;

    size_t operator()(char* buffer, size_t room) {
        rooms.push_back(room);
        const size_t copied = std::min(text.size(), room - 1);
        std::memcpy(buffer, text.data(), copied);
        buffer[copied] = '\0';
        return copied;
    }
};

std::string Read(ProfileEntry& entry) {
    return shell::ReadDeviceEntry(std::ref(entry));
}

// The message DefaultPrinterIndex failed with, "" when it found a printer.
std::string FailureOf(std::string_view entry, const Strings& installed) {
    return support::MessageOf([&] { shell::DefaultPrinterIndex(entry, installed); });
}

TEST(DefaultPrinterName, IsTheTextBeforeTheFirstCommaWithLeadingSpacesSkipped) {
    EXPECT_EQ(shell::PrinterNameOfDeviceEntry("Plotter,winspool,LPT1:"), "Plotter");
    EXPECT_EQ(shell::PrinterNameOfDeviceEntry("   Plotter,winspool,LPT1:"), "Plotter");
    // Only the leading spaces go: inner and trailing ones are part of the name.
    EXPECT_EQ(shell::PrinterNameOfDeviceEntry("  Office Laser ,winspool,Ne00:"), "Office Laser ");
    EXPECT_EQ(shell::PrinterNameOfDeviceEntry("\tPlotter,winspool"), "\tPlotter");
    EXPECT_EQ(shell::PrinterNameOfDeviceEntry("Plotter"), "Plotter");
}

TEST(DefaultPrinterName, IsEmptyForAnEmptyEntryOrOneThatStartsWithAComma) {
    EXPECT_EQ(shell::PrinterNameOfDeviceEntry(""), "");
    EXPECT_EQ(shell::PrinterNameOfDeviceEntry("    "), "");
    EXPECT_EQ(shell::PrinterNameOfDeviceEntry(",winspool,LPT1:"), "");
    EXPECT_EQ(shell::PrinterNameOfDeviceEntry("  ,winspool,LPT1:"), "");
}

TEST(DeviceEntryRead, TakesOneReadWithRoomFor79WhenTheEntryLeavesRoomOver) {
    ProfileEntry entry{std::string(77, 'p')};
    EXPECT_EQ(Read(entry), std::string(77, 'p'));
    EXPECT_EQ(entry.rooms, (std::vector<size_t>{79}));

    ProfileEntry empty{""};
    EXPECT_EQ(Read(empty), "");
    EXPECT_EQ(empty.rooms, (std::vector<size_t>{79}));
}

// 78 characters fill the room just as a cut entry does (the profile answers 78 for both), so both 78
// and 79 characters are read again, and both come back whole.
TEST(DeviceEntryRead, ReadsAnEntryThatFillsTheRoomAgainUntilItIsWhole) {
    ProfileEntry exact{std::string(78, 'p')};
    EXPECT_EQ(Read(exact), std::string(78, 'p'));
    EXPECT_EQ(exact.rooms, (std::vector<size_t>{79, 158}));

    ProfileEntry entry{std::string(79, 'p')};
    EXPECT_EQ(Read(entry), std::string(79, 'p'));
    EXPECT_EQ(entry.rooms, (std::vector<size_t>{79, 158}));

    ProfileEntry longer{std::string(200, 'q') + ",winspool,LPT1:"};
    EXPECT_EQ(Read(longer), longer.text);
    EXPECT_EQ(longer.rooms, (std::vector<size_t>{79, 158, 316}));
}

TEST(DeviceEntryRead, GivesUpGrowingAtTheLargestRoom) {
    ProfileEntry endless{std::string(70000, 'r')};
    EXPECT_EQ(Read(endless).size(), 32767u);
    EXPECT_EQ(endless.rooms.back(), 32768u);
}

TEST(DefaultPrinter, IsTheInstalledPrinterTheEntryNamesExactly) {
    const Strings installed = {"Plotter", "Office Laser", "Office Laser 2"};
    EXPECT_EQ(shell::DefaultPrinterIndex("Office Laser,winspool,Ne00:", installed), 1u);
    EXPECT_EQ(shell::DefaultPrinterIndex("  Office Laser 2,winspool,Ne01:", installed), 2u);
    EXPECT_EQ(shell::DefaultPrinterIndex("Plotter", installed), 0u);
}

TEST(DefaultPrinter, FailsWithTheNoDefaultMessageWhenNoneIsNamedOrItIsNotInstalled) {
    const std::string message = "There is no default printer currently selected";
    EXPECT_EQ(FailureOf("", {"Plotter"}), message);
    EXPECT_EQ(FailureOf(",winspool,LPT1:", {"Plotter"}), message);
    EXPECT_EQ(FailureOf("Plotter,winspool,LPT1:", {}), message);
    EXPECT_EQ(FailureOf("Gone,winspool,LPT1:", {"Plotter"}), message);
    // Matched exactly: neither another case nor a beginning of a name will do.
    EXPECT_EQ(FailureOf("plotter,winspool,LPT1:", {"Plotter"}), message);
    EXPECT_EQ(FailureOf("Plot,winspool,LPT1:", {"Plotter"}), message);
    EXPECT_EQ(FailureOf("Plotter 2,winspool,LPT1:", {"Plotter"}), message);
}

TEST(DefaultPrinter, WithANameLongerThanTheFirstRoomIsFoundWholeNotByItsCutBeginning) {
    const std::string longName(90, 'n');
    const std::string cutName = longName.substr(0, 78);
    ProfileEntry entry{longName + ",winspool,LPT1:"};
    EXPECT_EQ(shell::DefaultPrinterIndex(Read(entry), {cutName, longName}), 1u);
}

TEST(PrintDialogCopies, GoIntoTheDeviceSettingsUnlessTheDialogReportsOne) {
    EXPECT_FALSE(shell::PrintDialogCopiesGoIntoDeviceSettings(1));
    EXPECT_TRUE(shell::PrintDialogCopiesGoIntoDeviceSettings(2));
    EXPECT_TRUE(shell::PrintDialogCopiesGoIntoDeviceSettings(3));
}

} // namespace
