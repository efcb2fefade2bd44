// The window's chrome through pointer events: tabs and panels, button pictures, dragging by the
// title area, the link text's colour, the tray and closing.

#include "MainWindowFixture.h"

namespace {

class Chrome : public MainWindowFixture {
protected:
    Chrome()
    {
        WriteFile("path.ini", "[RJSZ]\r\nPiFu=Test\r\nbtwz=取色器\r\n");
        WriteFile("skin/Test/shizhi.ini",
            "[TouBu]\r\nBeiJingTu_W=300\r\nBeiJingTu_H=400\r\nBTFW_W=200\r\nBTFW_H=30\r\n"
            "AnNiu_GB_ZC=close.png\r\nAnNiu_GB_JG=close_hover.png\r\nAnNiu_GB_L=270\r\nAnNiu_GB_T=0\r\n"
            "AnNiu_GB_W=30\r\nAnNiu_GB_H=30\r\n"
            "[MianBanTuBiaoBu]\r\n"
            "AnNiu0_zc=t0.png\r\nAnNiu0_jg=t0h.png\r\nAnNiu0_ax=t0s.png\r\nAnNiu0_L=0\r\nAnNiu0_T=100\r\nAnNiu0_W=50\r\nAnNiu0_H=20\r\n"
            "AnNiu2_zc=t2.png\r\nAnNiu2_jg=t2h.png\r\nAnNiu2_ax=t2s.png\r\nAnNiu2_L=100\r\nAnNiu2_T=100\r\nAnNiu2_W=50\r\nAnNiu2_H=20\r\n"
            "[DiBu]\r\nDiBuTuPian_L=0\r\nDiBuTuPian_T=370\r\nDiBuTuPian_W=300\r\nDiBuTuPian_H=30\r\n"
            "[MianBan2]\r\nTiaoSeBan_L=10\r\nTiaoSeBan_T=150\r\nTiaoSeBan_W=102\r\nTiaoSeBan_H=102\r\n"
            "TiaoSeTiao_L=130\r\nTiaoSeTiao_T=150\r\nTiaoSeTiao_W=13\r\nTiaoSeTiao_H=180\r\n");
        m_fakeWindow.MoveTo({ 10, 10 });
        EXPECT_TRUE(Window().CSHZJM());
    }

    void Click(gfx::Point at)
    {
        Window().Form().PointerMove(at, 0, 0);
        Window().Form().PointerDown(at, ui::LeftButton, 0);
        Window().Form().PointerUp(at, ui::LeftButton, 0);
    }

    std::string Image(ui::AlphaImage const* control) { return control->ImageFile().substr(Window().SkinFolder().size()); }
};

TEST_F(Chrome, StartUpShowsTheFirstPanelAndTheWindow)
{
    EXPECT_TRUE(m_fakeWindow.IsVisible());
    EXPECT_EQ(Window().CurrentPanel(), 0);
    EXPECT_TRUE(Controls().ZJHQYS[0]->Shown());
    EXPECT_FALSE(Controls().TSBK->Shown());
    EXPECT_EQ(Image(Controls().Mianban[0]), "t0s.png");
    EXPECT_EQ(m_statuses.back(), "注册软件快捷键...");
}

TEST_F(Chrome, TabsSwitchPanelsAndKeepTheirSelectedPicture)
{
    Click({ 110, 105 });
    EXPECT_EQ(Window().CurrentPanel(), 2);
    EXPECT_TRUE(Controls().TSBK->Shown());
    EXPECT_FALSE(Controls().WBCYS[0]->Shown());
    EXPECT_EQ(Image(Controls().Mianban[2]), "t2s.png");
    EXPECT_EQ(Image(Controls().Mianban[0]), "t0.png");
    // Showing the adjuster takes the colour under its pointer.
    EXPECT_NE(Window().CurrentColour(), PureRed);

    Window().Form().PointerMove({ 5, 105 }, 0, 0);
    EXPECT_EQ(Image(Controls().Mianban[0]), "t0h.png");
    Window().Form().PointerMove({ 110, 105 }, 0, 0);
    EXPECT_EQ(Image(Controls().Mianban[0]), "t0.png");
    EXPECT_EQ(Image(Controls().Mianban[2]), "t2s.png") << "the selected tab ignores the pointer";

    Window().SZYS(0x123456);
    Click({ 110, 105 });
    EXPECT_EQ(Window().CurrentColour(), 0x123456) << "the panel already shown is not refreshed";
}

TEST_F(Chrome, ButtonsShowHoverAndNormal)
{
    Window().Form().PointerMove({ 280, 10 }, 0, 0);
    EXPECT_EQ(Image(Controls().GBANT), "close_hover.png");
    Window().Form().PointerMove({ 150, 200 }, 0, 0);
    EXPECT_EQ(Image(Controls().GBANT), "close.png");
}

TEST_F(Chrome, TheTitleAreaDragsTheWindowAndStopsAtTheScreenEdge)
{
    ui::Form& form = Window().Form();
    form.PointerDown({ 200, 5 }, ui::LeftButton, 0);
    EXPECT_FALSE(Window().DragActive()) << "the region ends before its width";
    form.PointerUp({ 200, 5 }, ui::LeftButton, 0);
    form.PointerDown({ 199, 5 }, ui::LeftButton, 0);
    EXPECT_TRUE(Window().DragActive());
    form.PointerMove({ 219, 15 }, ui::LeftButton, 0);
    EXPECT_EQ(m_fakeWindow.Position(), (gfx::Point { 30, 20 }));
    form.PointerMove({ 100, 0 }, ui::LeftButton, 0);
    EXPECT_EQ(m_fakeWindow.Position(), (gfx::Point { 0, 15 })) << "held at the left edge";
    form.PointerUp({ 100, 0 }, ui::LeftButton, 0);
    EXPECT_FALSE(Window().DragActive());
    form.PointerMove({ 150, 10 }, 0, 0);
    EXPECT_EQ(m_fakeWindow.Position(), (gfx::Point { 0, 15 }));

    form.PointerDown({ 50, 5 }, ui::RightButton, 0);
    EXPECT_FALSE(Window().DragActive());
}

TEST_F(Chrome, OnAScaledScreenTheDragGoesOntoAMonitorLeftOfThePrimaryAndStopsAtTheDesksCorner)
{
    m_desk.SetLayout({ { -1920, -200, 3200, 1280 },
        { { { 0, 0, 1280, 1024 }, { 0, 0, 1280, 984 }, 144, true },
            { { -1920, -200, 1920, 1080 }, { -1920, -200, 1920, 1080 }, 96, false } } });
    ui::Form& form = Window().Form();
    form.SetDpi(144);
    // Device pixel 150, 12 is unit 100, 8 of the background, inside the 200 x 30 drag region;
    // a press at device pixel 300 lies beyond it.
    form.PointerDown({ 300, 12 }, ui::LeftButton, 0);
    EXPECT_FALSE(Window().DragActive());
    form.PointerDown({ 150, 12 }, ui::LeftButton, 0);
    ASSERT_TRUE(Window().DragActive());
    form.PointerMove({ 30, 42 }, ui::LeftButton, 0);
    EXPECT_EQ(m_fakeWindow.Position(), (gfx::Point { 10 - 120, 10 + 30 })) << "units (-80, 20) at 150 %";
    form.PointerMove({ -5000, -1000 }, ui::LeftButton, 0);
    EXPECT_EQ(m_fakeWindow.Position(), (gfx::Point { -1920, -200 }));
}

// At 200 % and more a unit spans several pixels: a start point rounded to units made the window
// jump at the first step.
TEST_F(Chrome, AtTwoAndThreeTimesTheWindowFollowsThePointerPixelForPixel)
{
    ui::Form& form = Window().Form();
    for (int dpi : { 192, 288 }) {
        form.SetDpi(dpi);
        m_fakeWindow.MoveTo({ 100, 100 });
        form.PointerDown({ 301, 21 }, ui::LeftButton, 0);
        ASSERT_TRUE(Window().DragActive()) << dpi;
        form.PointerMove({ 302, 22 }, ui::LeftButton, 0);
        EXPECT_EQ(m_fakeWindow.Position(), (gfx::Point { 101, 101 })) << dpi;
        form.PointerUp({ 302, 22 }, ui::LeftButton, 0);
    }
}

TEST_F(Chrome, TheLinkTurnsRedUnderThePointerAndBlackOnTheStripOrBackground)
{
    ui::Form& form = Window().Form();
    form.PointerMove({ 50, 380 }, 0, 0);
    EXPECT_EQ(Controls().DBBT->ForeColour(), 255);
    form.PointerMove({ 5, 371 }, 0, 0);
    EXPECT_EQ(Controls().DBBT->ForeColour(), 0) << "entering the strip";
    form.PointerMove({ 50, 380 }, 0, 0);
    form.PointerMove({ 150, 300 }, 0, 0);
    EXPECT_EQ(Controls().DBBT->ForeColour(), 0) << "moving over the background";
}

TEST_F(Chrome, TheTrayHidesAndRestoresTheWindow)
{
    using Place = shell::TrayPresence::Place;
    EXPECT_EQ(Window().TrayPlace(), Place::NotYetSet);
    Window().ToggleTray();
    EXPECT_TRUE(m_fakeWindow.IsVisible()) << "the first toggle only restores";
    EXPECT_EQ(Window().TrayPlace(), Place::Window);
    Window().TaskbarCreated();
    EXPECT_TRUE(m_tray.Icons().empty()) << "a shown window has no icon to bring back";
    Window().HideToTray();
    EXPECT_FALSE(m_fakeWindow.IsVisible());
    EXPECT_EQ(m_tray.Icons(), (std::vector<std::string> { "取色器" }));
    // A restarted shell has lost the icon of a hidden window: without it the window is lost.
    Window().TaskbarCreated();
    EXPECT_EQ(m_tray.Icons(), (std::vector<std::string> { "取色器", "取色器" }));
    Window().TrayClicked(platform::TrayButton::Right);
    EXPECT_TRUE(m_fakeWindow.IsVisible());
    EXPECT_EQ(Window().TrayPlace(), Place::Window);
}

// After Win+M the show/hide hotkey once hid the minimised window to the tray instead of bringing it back.
TEST_F(Chrome, TheShowHideHotkeyBringsBackAMinimisedWindow)
{
    Window().RestoreFromTray();
    m_fakeWindow.Minimise();
    Window().ToggleTray();
    EXPECT_TRUE(m_fakeWindow.IsVisible());
    EXPECT_FALSE(m_fakeWindow.IsMinimised());
    EXPECT_TRUE(m_tray.Icons().empty());
    Window().ToggleTray();
    EXPECT_FALSE(m_fakeWindow.IsVisible()) << "a window on the screen still hides";
}

TEST_F(Chrome, ClosingReleasesEveryHotkeyAndEnds)
{
    for (int id = 1; id <= 5; ++id)
        m_hotkeys.Hold(id);
    Click({ 280, 10 });
    EXPECT_TRUE(m_hotkeys.Registered().empty());
    EXPECT_EQ(m_ended, 1);
}

}
