#include "lists/ColourList.h"

#include <gtest/gtest.h>

namespace {

std::string Entries(int first, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? ",&H" : "&H") + std::to_string(first + i);
    return text;
}

TEST(ColourList, AddsInFrontAndRefusesWholeEntriesAlreadyThereWhateverTheirCase)
{
    lists::ColourList list(18);
    EXPECT_TRUE(list.Add(PureRed));
    EXPECT_EQ(list.Text(), "&HFF");
    EXPECT_TRUE(list.Add(16776960));
    EXPECT_EQ(list.Text(), "&HFFFF00,&HFF");
    EXPECT_FALSE(list.Add(PureRed)) << "a colour already there keeps its place";
    EXPECT_EQ(list.Text(), "&HFFFF00,&HFF");
    EXPECT_FALSE(list.Add(NoColour)) << "would be written as &HFFFFFFFF";
    EXPECT_FALSE(list.Add(MaxColour + 1));

    list.SetText("&HFF00FF,&hc8800a");
    EXPECT_TRUE(list.Add(PureRed)) << "&HFF is no duplicate of &HFF00FF";
    EXPECT_FALSE(list.Add(0xC8800A));
    EXPECT_EQ(list.Text(), "&HFF,&HFF00FF,&hc8800a");
}

TEST(ColourList, AFullListDropsItsLastEntryAndALongerOneKeepsItsLength)
{
    for (int limit : { 18, 36 }) {
        lists::ColourList list(limit);
        list.SetText(Entries(100, limit));
        EXPECT_TRUE(list.Add(0xABCDEF));
        EXPECT_EQ(list.Text(), "&HABCDEF," + Entries(100, limit - 1)) << limit;
    }
    lists::ColourList list(18);
    list.SetText(Entries(100, 20));
    EXPECT_EQ(list.ShownCount(), 18);
    EXPECT_FALSE(list.ColourAt(18));
    EXPECT_TRUE(list.Add(0xABCDEF));
    EXPECT_EQ(list.Text(), "&HABCDEF," + Entries(100, 19));
}

TEST(ColourList, MovesAnEntryOnePlaceForward)
{
    lists::ColourList list(18);
    list.SetText("&HFFFF00,&HFF,&H0,&H1");
    EXPECT_TRUE(list.MoveForward(1));
    EXPECT_EQ(list.Text(), "&HFF,&HFFFF00,&H0,&H1");
    EXPECT_TRUE(list.MoveForward(3));
    EXPECT_EQ(list.Text(), "&HFF,&HFFFF00,&H1,&H0");
    EXPECT_FALSE(list.MoveForward(0));
    EXPECT_FALSE(list.MoveForward(4));
    EXPECT_EQ(list.Text(), "&HFF,&HFFFF00,&H1,&H0");
}

TEST(ColourList, EntriesThatAreNoColourAreKeptButNeverRead)
{
    lists::ColourList list(18);
    list.SetText("&HFF,,red,&H1000000,&h00ff,&H,&HFFFFFF,0000FF, &H1,&HFFFFFFFFFFFFFFFFFF");
    std::optional<Colour> const expected[]
        = { PureRed, {}, {}, {}, PureRed, {}, MaxColour, {}, {}, {} };
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(list.ColourAt(i), expected[i]) << i;
    EXPECT_TRUE(list.Add(0x123456));
    EXPECT_EQ(list.Text(), "&H123456,&HFF,,red,&H1000000,&h00ff,&H,&HFFFFFF,0000FF, &H1,&HFFFFFFFFFFFFFFFFFF");
    list.SetText(",");
    EXPECT_EQ(list.ShownCount(), 2);
    EXPECT_TRUE(list.Add(PureRed));
    EXPECT_EQ(list.Text(), "&HFF,,");
}

}
