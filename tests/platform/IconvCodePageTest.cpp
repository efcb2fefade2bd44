#include "platform/portable/IconvCodePage.h"

#include <gtest/gtest.h>

TEST(IconvCodePage, BadBytesAreReplacedAndAHalfCharacterAtTheEndDropped)
{
    platform::IconvCodePage const gbk;
    EXPECT_EQ(gbk.ToUtf8("\xD6\xD0\xCE"), "中");
    EXPECT_EQ(gbk.ToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(gbk.FromUtf8("a\xF0\x9F\x98\x80" "b"), "a?b") << "an emoji has no place in GBK";
    EXPECT_EQ(gbk.FromUtf8("a\xC3"), "a") << "cut UTF-8 input";
    EXPECT_EQ(gbk.FromUtf8("x\xFFy"), "x?y");
    // Was "?C": a broken lead byte took the characters it claimed with it.
    EXPECT_EQ(gbk.FromUtf8("\xE4" "ABC"), "?ABC");
    EXPECT_EQ(gbk.FromUtf8("\xE4\xB8" "A\xED\xA0\x80" "B"), "?A???B") << "a cut sequence, a surrogate";
    // Was "ab": the system's converter skipped the tag character without a word.
    EXPECT_EQ(gbk.FromUtf8("a\xF3\xA0\x80\xB2" "b"), "a?b");
    EXPECT_EQ(gbk.ToUtf8(""), "");
    EXPECT_EQ(gbk.ToUtf8(gbk.FromUtf8(std::string(100000, 'z'))).size(), 100000u);
}
