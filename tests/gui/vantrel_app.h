#pragma once
// Vantrel's main window as the GUI tests meet it: started fresh for each test, its controls found as a
// user finds them, by class and caption. A base for the tests of every command.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver.h"
#include "res/resource.h"

namespace gui {

inline constexpr wchar_t kMainCaption[] = L"Vantrel v2.2";
inline constexpr wchar_t kToolButtonClass[] = L"VantrelToolButton";

// Starts Vantrel.exe in SetUp and makes sure it is gone in TearDown.
class VantrelTest : public ::testing::Test {
protected:
    void SetUp() override { app_ = std::make_unique<App>(App::Launch(VantrelPath(), kMainCaption)); }
    void TearDown() override { app_.reset(); }

    App& app() { return *app_; }
    HWND Main() const { return app_->MainWindow(); }
    // A control of the main window by class and caption ("Button", "&Print"), or a tool button by hint.
    HWND Control(const wchar_t* className, const wchar_t* caption) const {
        return FindChild(Main(), className, caption);
    }
    HWND Button(const wchar_t* caption) const { return Control(L"Button", caption); }
    HWND ToolButton(const wchar_t* hint) const { return Control(kToolButtonClass, hint); }
    HWND List() const { return Control(L"ListBox", nullptr); }
    HWND StatusBar() const { return Control(L"msctls_statusbar32", nullptr); }
    std::wstring Status() const { return app_->StatusText(StatusBar()); }

    std::unique_ptr<App> app_;
};

} // namespace gui
