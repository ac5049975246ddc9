// At a scaled system dpi the window is the 96-dpi layout scaled: every edge at its scaled place, so that
// nothing is clipped and what stood flush stays flush.
#include <windows.h>

#include <gtest/gtest.h>

#include "vantrel_app.h"

using namespace gui;

namespace {

constexpr int kScaledDpi = 144;

// Sets Wine's system dpi (HKCU\Control Panel\Desktop LogPixels) for the programs started while it
// lives, and puts back what was there.
class SystemDpiSetting {
public:
    explicit SystemDpiSetting(DWORD dpi) {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &key_, nullptr);
        DWORD size = sizeof previous_;
        hadValue_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&previous_),
                                     &size) == ERROR_SUCCESS;
        RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    }
    ~SystemDpiSetting() {
        if (hadValue_)
            RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&previous_),
                           sizeof previous_);
        else
            RegDeleteValueW(key_, L"LogPixels");
        RegCloseKey(key_);
    }
    SystemDpiSetting(const SystemDpiSetting&) = delete;
    SystemDpiSetting& operator=(const SystemDpiSetting&) = delete;

private:
    HKEY key_ = nullptr;
    DWORD previous_ = 0;
    bool hadValue_ = false;
};

// A 96-dpi coordinate at the scaled dpi, to the nearest pixel.
int Scaled(int value) {
    return (value * kScaledDpi + 48) / 96;
}

RECT ScaledRect(int left, int top, int width, int height) {
    return RECT{Scaled(left), Scaled(top), Scaled(left + width), Scaled(top + height)};
}

class ScaledDpiTest : public VantrelTest {
protected:
    void SetUp() override {
        dpi_ = std::make_unique<SystemDpiSetting>(kScaledDpi);
        VantrelTest::SetUp();
    }
    void TearDown() override {
        VantrelTest::TearDown();
        dpi_.reset();
    }

    void ExpectAt(HWND control, const RECT& expected, const char* what) {
        ASSERT_NE(control, nullptr) << what;
        const RECT actual = RectInParent(control);
        EXPECT_EQ(actual.left, expected.left) << what;
        EXPECT_EQ(actual.top, expected.top) << what;
        EXPECT_EQ(actual.right, expected.right) << what;
        EXPECT_EQ(actual.bottom, expected.bottom) << what;
    }

    std::unique_ptr<SystemDpiSetting> dpi_;
};

} // namespace

TEST_F(ScaledDpiTest, At144DpiTheClientAreaAndEveryControlAreScaledByOneAndAHalf) {
    const RECT client = ClientRect(Main());
    EXPECT_EQ(client.right, Scaled(742));
    EXPECT_EQ(client.bottom, Scaled(443));
    ExpectAt(List(), ScaledRect(16, 48, 537, 313), "lbxList");
    ExpectAt(Button(L"&Add..."), ScaledRect(16, 376, 75, 25), "btnAdd");
    ExpectAt(Button(L"Rem&ove"), ScaledRect(247, 376, 75, 25), "btnRemove");
    ExpectAt(Button(L"&Print"), ScaledRect(478, 376, 75, 25), "btnPrint");
    ExpectAt(Control(L"Static", L"Part/Assembly"), ScaledRect(576, 48, 68, 13), "lblPrtAssy");
    ExpectAt(Button(L"hidden lines &visible"), ScaledRect(600, 72, 120, 17), "rdoHiddenVisible");
    ExpectAt(Button(L"print previe&w"), ScaledRect(600, 232, 120, 17), "chkPreview");
    ExpectAt(StatusBar(), ScaledRect(0, 424, 742, 19), "stbVantrel");
    ExpectAt(ToolButton(L"Remove Files"), ScaledRect(32, 4, 25, 25), "sbtnRemove");
    ExpectAt(ToolButton(L"Exit"), ScaledRect(224, 4, 25, 25), "sbtnExit");
    // Flush at 96 dpi, flush at 144: the Print button's right edge is the list's.
    EXPECT_EQ(RectInParent(Button(L"&Print")).right, RectInParent(List()).right);
    EXPECT_EQ(SendMessageW(List(), LB_GETITEMHEIGHT, 0, 0), Scaled(13));
}
