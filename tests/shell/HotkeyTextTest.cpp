#include "shell/HotkeyText.h"

#include <gtest/gtest.h>

TEST(HotkeyText, DefaultTextHasFiveChordsAndTheWebNotation)
{
    HotkeyText const text { std::string(DefaultHotkeyText) };
    EXPECT_EQ(text.ChordOf(1), (Chord { 0, 123 }));
    EXPECT_EQ(text.ChordOf(2), (Chord { ModifierShift, 81 }));
    EXPECT_EQ(text.ChordOf(5), (Chord { ModifierShift, 74 }));
    EXPECT_EQ(text.CopyNotationIndex(), 1);
    EXPECT_EQ(text.Field(2), "4:81");
    EXPECT_EQ(ChordText(*text.ChordOf(2)), "4:81");
}

TEST(HotkeyText, DamagedFieldsGiveNothingInsteadOfGarbage)
{
    HotkeyText const text { "4:81,x:1,4:,8:81,0:256,7" };
    EXPECT_TRUE(text.ChordOf(1));
    EXPECT_FALSE(text.ChordOf(2));
    EXPECT_FALSE(text.ChordOf(3));
    EXPECT_FALSE(text.ChordOf(4)) << "modifiers are 0 to 7";
    EXPECT_FALSE(text.ChordOf(5)) << "key codes are 1 to 255";
    EXPECT_FALSE(text.CopyNotationIndex()) << "notations are 0 to 3";
    EXPECT_FALSE(text.ChordOf(0));
    EXPECT_FALSE(text.ChordOf(6));

    HotkeyText const shortText { "4:81" };
    EXPECT_EQ(shortText.Field(2), "");
    EXPECT_FALSE(shortText.CopyNotationIndex());
    EXPECT_EQ(shortText.Field(0), "");
    EXPECT_FALSE(ParseChord(" 4:81"));
    EXPECT_FALSE(ParseChord("-0:81"));
    EXPECT_FALSE(HotkeyText {}.ChordOf(1));
}
