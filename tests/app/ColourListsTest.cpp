// The recent and saved colours in the main window: swatches, clicks and double-clicks as a user
// makes them, and the settings file across a restart.

#include "MainWindowFixture.h"

namespace {

gfx::Point Centre(ui::Control const* control)
{
    gfx::Rect const r = control->PixelBounds();
    return { r.x + r.width / 2, r.y + r.height / 2 };
}

class ColourLists : public MainWindowFixture {
protected:
    void Start(std::string const& lists)
    {
        WriteFile("path.ini", "[RJSZ]\r\nbtwz=取色器\r\n" + lists);
        ASSERT_TRUE(Window().CSHZJM());
    }

    void Restart()
    {
        m_window.reset();
        ASSERT_TRUE(Window().CSHZJM());
    }

    void Click(ui::Control const* control)
    {
        gfx::Point const at = Centre(control);
        Window().Form().PointerDown(at, ui::LeftButton, 0);
        Window().Form().PointerUp(at, ui::LeftButton, 0);
    }

    // As the system reports one: press, release, double-click, release.
    void DoubleClick(ui::Control const* control)
    {
        Click(control);
        gfx::Point const at = Centre(control);
        Window().Form().PointerDoubleClick(at);
        Window().Form().PointerUp(at, ui::LeftButton, 0);
    }

    std::string Stored(char const* key) { return m_settingsIni.ReadString("RJSZ", key, WholeValue); }

    static bool ShowsEntry(ui::SwatchImage const* swatch, Colour colour)
    {
        return swatch->HasBorder() && swatch->BackColour() == colour && swatch->Picture().IsEmpty();
    }
};

TEST_F(ColourLists, ADoubleClickOnTheColourBoxSavesTheColourAndARestartShowsBothLists)
{
    Start("ZJYS=\r\nwdYS=\r\n");
    DoubleClick(Controls().YSK);
    EXPECT_EQ(Window().SavedListText(), "&HFF");
    EXPECT_EQ(Stored("wdYS"), "&HFF");
    EXPECT_TRUE(ShowsEntry(Controls().WBCYS[0], PureRed));
    EXPECT_FALSE(Controls().WBCYS[1]->HasBorder());
    EXPECT_EQ(Window().RecentListText(), "") << "saving leaves the recent colours alone";

    Window().SZYS(0xC8800A);
    Window().SaveCurrentColour();
    Window().SaveCurrentColour();
    Window().AddRecentColour(16776960);
    EXPECT_EQ(Stored("wdYS"), "&HC8800A,&HFF");
    EXPECT_EQ(Stored("ZJYS"), "&HFFFF00");

    Restart();
    EXPECT_EQ(Window().CurrentColour(), PureRed);
    EXPECT_TRUE(ShowsEntry(Controls().WBCYS[0], 0xC8800A));
    EXPECT_TRUE(ShowsEntry(Controls().WBCYS[1], PureRed));
    EXPECT_TRUE(ShowsEntry(Controls().ZJHQYS[0], 16776960));
    EXPECT_FALSE(Controls().ZJHQYS[1]->HasBorder());
}

TEST_F(ColourLists, AClickSelectsADoubleClickMovesForwardAndEmptySlotsDoNothing)
{
    Start("ZJYS=&HFFFF00,&HFF,own text,&H123456\r\n");
    auto const& recent = Controls().ZJHQYS;
    EXPECT_TRUE(ShowsEntry(recent[1], PureRed));
    EXPECT_FALSE(recent[2]->HasBorder()) << "an entry that is no colour shows as an empty slot";

    Click(recent[0]);
    EXPECT_EQ(Window().CurrentColour(), 16776960);
    DoubleClick(recent[1]);
    EXPECT_EQ(Window().CurrentColour(), PureRed) << "the click before the double-click selects";
    EXPECT_EQ(Stored("ZJYS"), "&HFF,&HFFFF00,own text,&H123456");
    EXPECT_TRUE(ShowsEntry(recent[0], PureRed));

    Click(recent[2]);
    DoubleClick(recent[2]);
    DoubleClick(recent[5]);
    DoubleClick(recent[0]);
    EXPECT_EQ(Window().CurrentColour(), PureRed);
    EXPECT_EQ(Stored("ZJYS"), "&HFF,&HFFFF00,own text,&H123456");

    // Moving past an unreadable entry keeps its text and its slot empty wherever it goes.
    DoubleClick(recent[3]);
    EXPECT_EQ(Stored("ZJYS"), "&HFF,&HFFFF00,&H123456,own text");
    EXPECT_TRUE(ShowsEntry(recent[2], 0x123456));
    EXPECT_FALSE(recent[3]->HasBorder());
    Window().SZYS(PureRed);
    Click(recent[3]);
    EXPECT_EQ(Window().CurrentColour(), PureRed);

    // The saved swatches are the second list of the same kind.
    Window().SZYS(0x000001);
    Window().SaveCurrentColour();
    Window().SZYS(0x000002);
    Window().SaveCurrentColour();
    DoubleClick(Controls().WBCYS[1]);
    EXPECT_EQ(Stored("wdYS"), "&H1,&H2");
    EXPECT_EQ(Stored("ZJYS"), "&HFF,&HFFFF00,&H123456,own text");
}

// Was: the 500-byte read cut the list, and a move wrote its last entry back as another colour.
TEST_F(ColourLists, AListLongerThanAnyReadBufferIsReadAndWrittenWhole)
{
    std::string list = "&HFF,&H1";
    for (int n = 0; n < 70; ++n)
        list += ",&H1000" + std::to_string(n % 10);
    list += ",&HABCDEF";
    Start("ZJYS=" + list + "\r\n");
    DoubleClick(Controls().ZJHQYS[1]);
    EXPECT_EQ(Stored("ZJYS"), "&H1,&HFF" + list.substr(8));
}

// Was: the program wrote these back without their quotes or trailing blank, and the next start
// showed other colours.
TEST_F(ColourLists, AListTheUserDidNotChangeComesBackWithTheSameEntries)
{
    Start("ZJYS=\"&HFF00,&HFF \"\r\nwdYS=\"\"&HFF,&H1,&H2,&HFF00\"\"\r\n");
    Window().AddRecentColour(0x123456);
    DoubleClick(Controls().WBCYS[2]);
    Restart();
    EXPECT_EQ(Window().RecentListText(), "&H123456,&HFF00,&HFF ");
    EXPECT_EQ(Window().SavedListText(), "\"&HFF,&H2,&H1,&HFF00\"");
    EXPECT_FALSE(Controls().ZJHQYS[2]->HasBorder());
    EXPECT_FALSE(Controls().WBCYS[0]->HasBorder());
}

}
