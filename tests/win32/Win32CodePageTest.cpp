#include "win32/Unicode.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

using namespace platform::win32;

namespace {

// The system's own code page, which the test bed sets.
std::string AnsiFromUtf8(std::string_view utf8) { return CodePageFromUtf8(CP_ACP, utf8); }
std::string Utf8FromAnsi(std::string_view ansi) { return Utf8FromCodePage(CP_ACP, ansi); }
std::string_view WholeAnsiCharacters(std::string_view ansi) { return WholeCharacters(CP_ACP, ansi); }

}

// The test bed runs these tests with a Chinese system code page, and some again with another.
TEST(Win32Text, RunsWithTheSystemCodePageAsked)
{
    char const* const asked = std::getenv("PICKER_EXPECTED_ACP");
    EXPECT_EQ(GetACP(), asked ? static_cast<unsigned>(std::atoi(asked)) : 936u);
}

TEST(Win32Text, ConversionsRoundTripAndReplaceWhatCannotBeHeld)
{
    EXPECT_EQ(Narrow(Widen("取色器 #7BFFFF")), "取色器 #7BFFFF");
    EXPECT_EQ(Widen("色"), L"\u8272");
    EXPECT_EQ(Utf8FromAnsi(AnsiFromUtf8("复制前缀")), "复制前缀");
    // An emoji has no place in GBK; the system replaces each half of its surrogate pair.
    std::string const emoji = AnsiFromUtf8("\xF0\x9F\x98\x80");
    EXPECT_FALSE(emoji.empty());
    EXPECT_EQ(emoji.find_first_not_of('?'), std::string::npos);
    // A broken sequence costs one "?" and nothing after it, as in the portable conversion.
    EXPECT_EQ(AnsiFromUtf8("\xE4" "ABC"), "?ABC");
}

TEST(Win32Text, HalfACharacterAtTheEndIsDropped)
{
    EXPECT_EQ(WholeAnsiCharacters("\xD6\xD0\xCE"), "\xD6\xD0");
    EXPECT_EQ(WholeAnsiCharacters("ab\xD6"), "ab");
    EXPECT_EQ(Utf8FromAnsi("\xD6\xD0\xCE"), "中");
    EXPECT_EQ(WholeAnsiCharacters(""), "");
}
