// The main window through the fake platform: the current colour, its four texts and copying
// them to the clipboard, as a user double-clicking the boxes would.

#include "app/MainWindowFixture.h"
#include "colour/CopyAsNotations.h"
#include "ui/FocusOrder.h"

#include <set>

namespace {

class MainWindow : public MainWindowFixture {
protected:
    MainWindow() { Window(); }

    std::string Box(int index) { return Controls().YSSR[index]->Text(); }

    void DoubleClickBox(int index)
    {
        ui::Control& box = *Controls().YSSR[index];
        Window().Form().DoubleClickOn(box);
    }

    void SetCopyPrefix(bool keep) { Controls().DXAnNiu->UserToggled(keep); }
};

TEST_F(MainWindow, StartsWithPureRed)
{
    EXPECT_EQ(Window().CurrentColour(), PureRed);
    EXPECT_EQ(Box(0), "255,0,0");
    EXPECT_EQ(Box(1), "#FF0000");
    EXPECT_EQ(Box(2), "&HFF");
    EXPECT_EQ(Box(3), "0%,100%,100%,0%");
    EXPECT_TRUE(Controls().DXAnNiu->Checked());
}

TEST_F(MainWindow, SettingAColourFillsTheBoxAndAllFourTexts)
{
    Window().SZYS(13139978);
    EXPECT_EQ(Window().CurrentColour(), 13139978);
    EXPECT_EQ(Box(0), "10,128,200");
    EXPECT_EQ(Box(1), "#0A80C8");
    EXPECT_EQ(Box(2), "&HC8800A");
    EXPECT_EQ(Box(3), "74%,28%,0%,21%");

    Window().SZYS(NoColour);
    Window().SZYS(16777216);
    EXPECT_EQ(Window().CurrentColour(), 13139978) << "no colour leaves everything as it was";
    EXPECT_EQ(Box(1), "#0A80C8");
}

TEST_F(MainWindow, DoubleClickCopiesUnderTheCopyPrefixRule)
{
    Window().SZYS(13139978);
    struct Case {
        int box;
        bool keepPrefix;
        char const* copied;
    } const cases[] = {
        { 0, true, "10,128,200" }, { 1, true, "#0A80C8" }, { 2, true, "&HC8800A" }, { 3, true, "74%,28%,0%,21%" },
        { 0, false, "10,128,200" }, { 1, false, "0A80C8" }, { 2, false, "C8800A" }, { 3, false, "74%,28%,0%,21%" },
    };
    for (Case const& c : cases) {
        SetCopyPrefix(c.keepPrefix);
        DoubleClickBox(c.box);
        EXPECT_EQ(m_clipboard.Text(), c.copied) << "box " << c.box << (c.keepPrefix ? " with" : " without");
    }
}

TEST_F(MainWindow, EditedTextIsCopiedAsTypedAndChangesNothingElse)
{
    Controls().YSSR[0]->UserEdited("就是这个颜色");
    DoubleClickBox(0);
    EXPECT_EQ(m_clipboard.Text(), "就是这个颜色");
    EXPECT_EQ(Window().CurrentColour(), PureRed);
    EXPECT_EQ(Box(1), "#FF0000");

    SetCopyPrefix(false);
    Controls().YSSR[1]->UserEdited("颜色#一二三四五六");
    DoubleClickBox(1);
    EXPECT_EQ(m_clipboard.Text(), "一二三四五六") << "six characters, not six bytes";
    Controls().YSSR[2]->UserEdited("&");
    DoubleClickBox(2);
    EXPECT_EQ(m_clipboard.Text(), std::nullopt) << "nothing is left of a text shorter than the prefix";
}

TEST_F(MainWindow, ABusyClipboardIsGivenUpOnQuietly)
{
    m_clipboard.Put("kept");
    m_clipboard.SetBusy(true);
    DoubleClickBox(1);
    m_clipboard.SetBusy(false);
    EXPECT_EQ(m_clipboard.Text(), "kept");
}

TEST_F(MainWindow, TheColourBoxMenuCopiesTheEntryChosenAsItWasShown)
{
    ui::Form& form = Window().Form();
    gfx::Rect const box = Controls().YSK->PixelBounds();
    gfx::Point const inside { box.x + 3, box.y + 4 };
    m_menu.WillChoose(1);
    form.PointerDown(inside, ui::RightButton, 0);
    form.PointerUp(inside, ui::RightButton, 0);
    ASSERT_EQ(m_menu.Menus().size(), 1u);
    EXPECT_EQ(m_menu.Menus()[0].entries, GG::CopyAsTexts(PureRed));
    EXPECT_EQ(m_menu.Menus()[0].at, inside);
    EXPECT_EQ(m_clipboard.Text(), "rgb(255, 0, 0)");

    // A right button let go elsewhere, a left click: no menu.
    form.PointerDown(inside, ui::RightButton, 0);
    form.PointerUp({ box.x + box.width + 40, box.y }, ui::RightButton, 0);
    form.PointerDown(inside, ui::LeftButton, 0);
    form.PointerUp(inside, ui::LeftButton, 0);
    EXPECT_EQ(m_menu.Menus().size(), 1u);

    // From the keyboard, below the box; the menu key with Ctrl is not the menu's. A dismissed
    // menu and a busy clipboard leave the clipboard as it was.
    form.SetFocus(Controls().YSK);
    EXPECT_FALSE(form.KeyDown({ ui::AppsKey, ui::CtrlKey }));
    m_menu.WillChoose(std::nullopt);
    EXPECT_TRUE(form.KeyDown({ ui::F10Key, ui::ShiftKey }));
    m_clipboard.SetBusy(true);
    m_menu.WillChoose(0);
    Window().SZYS(0xFFFF7B);
    EXPECT_TRUE(form.KeyDown({ ui::AppsKey, 0 }));
    ASSERT_EQ(m_menu.Menus().size(), 3u);
    EXPECT_EQ(m_menu.Menus()[2].at, (gfx::Point { box.x, box.y + box.height }));
    EXPECT_EQ(m_menu.Menus()[2].entries[5], "oklch(92.60% 0.1165 195.33)");
    m_clipboard.SetBusy(false);
    EXPECT_EQ(m_clipboard.Text(), "rgb(255, 0, 0)");
}

TEST_F(MainWindow, EveryControlIsThereOnceAndInsideTheWindow)
{
    auto const& controls = Window().Form().Controls();
    EXPECT_EQ(controls.size(), 1u + 1 + 2 + 2 + 1 + 4 * 3 + 4 + 1 + 1 + 1 + 1 + 1 + 2 + 18 + 36 + 3 + 4 + 6 * 3 + 1 + 1)
        << "the count of every control of the window";
    std::set<std::string> names;
    gfx::Rect const window { 0, 0, Window().Form().Size().width, Window().Form().Size().height };
    for (auto const& control : controls) {
        EXPECT_TRUE(names.insert(control->Name()).second) << control->Name();
        if (control->Container())
            continue;
        gfx::Rect const bounds = control->PixelBounds();
        EXPECT_EQ(bounds.Intersected(window), bounds) << control->Name();
    }
}

TEST_F(MainWindow, PaintsTheColourBoxAndLeavesTheCornersSeeThrough)
{
    auto image = gfx::Image::Create(Window().Form().Size().width, Window().Form().Size().height);
    Window().Form().Paint(*image);
    gfx::Rect const box = Controls().YSK->InnerBounds();
    EXPECT_EQ(gfx::ColourFromPixel(*image->PixelAt(box.x + box.width / 2, box.y + box.height / 2)), PureRed);
    EXPECT_EQ(gfx::ColourFromPixel(*image->PixelAt(0, 0)), TransparentKeyColour);
    EXPECT_NE(gfx::ColourFromPixel(*image->PixelAt(20, 300)), TransparentKeyColour);
}

}
