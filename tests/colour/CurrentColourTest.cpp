#include "colour/CurrentColour.h"

#include <gtest/gtest.h>

TEST(CopiedNotationText, PrefixesAreKeptOrLeftOff)
{
    EXPECT_EQ(CopiedNotationText(WebNotation, "#0A80C8", true), "#0A80C8");
    EXPECT_EQ(CopiedNotationText(WebNotation, "#0A80C8", false), "0A80C8");
    EXPECT_EQ(CopiedNotationText(HexNotation, "&HC8800A", false), "C8800A");
    EXPECT_EQ(CopiedNotationText(HexNotation, "&HFF", false), "FF") << "the short, unpadded form";
    EXPECT_EQ(CopiedNotationText(DecimalNotation, "1,2,3", false), "1,2,3");
    EXPECT_EQ(CopiedNotationText(PercentageNotation, "0%,0%,0%,98%", false), "0%,0%,0%,98%");
}

TEST(CopiedNotationText, ShortAndTypedTexts)
{
    EXPECT_EQ(CopiedNotationText(WebNotation, "ABC", false), "ABC");
    EXPECT_EQ(CopiedNotationText(WebNotation, "", false), "");
    EXPECT_EQ(CopiedNotationText(HexNotation, "&", false), "");
    EXPECT_EQ(CopiedNotationText(HexNotation, "", false), "");
    EXPECT_EQ(CopiedNotationText(HexNotation, "色值FF", false), "FF");
    EXPECT_EQ(CopiedNotationText(WebNotation, "颜色：一二三四五六", false), "一二三四五六");
    // Was seven characters: a stray byte counted as nothing here and as a character there.
    EXPECT_EQ(CopiedNotationText(WebNotation, "\x80#0A80C8", false), "0A80C8");
    EXPECT_EQ(CopiedNotationText(WebNotation, "#0A80C\x80", false), "0A80C\x80");
}

TEST(NotationTextsOf, AgreeWithTheColourOrGiveNothing)
{
    EXPECT_EQ(NotationTextsOf(2113664), (NotationTexts { "128,64,32", "#804020", "&H204080", "0%,25%,37%,49%" }));
    EXPECT_FALSE(NotationTextsOf(NoColour));
    EXPECT_EQ(PlaceholderNotationTexts()[3], "20%,20%,20%,100%");
}
