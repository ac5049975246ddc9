// base::win's texts by the system's rules for the ANSI code page.
#include <gtest/gtest.h>

#include "base/win/text.h"

namespace {

TEST(AnsiTextTest, AnsiLowerCaseLowersLettersBeyondAscii) {
    EXPECT_EQ(base::win::AnsiLower("C:\\PARTS\\\xC9T\xC9.SLDPRT"), "c:\\parts\\\xE9t\xE9.sldprt");
    EXPECT_EQ(base::win::AnsiLower(""), "");
}

} // namespace
