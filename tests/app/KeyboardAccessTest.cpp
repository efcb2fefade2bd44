// The main window for a screen reader and the keyboard: the names it gives its painted controls,
// and the way Tab and the arrows take through the window to a swatch that Enter chooses; the
// focus mark whole inside the window at every scale.

#include "MainWindowFixture.h"
#include "ui/AccessibleTree.h"
#include "ui/FocusOrder.h"

namespace {

class MainWindowAccess : public MainWindowFixture {
protected:
    void Start()
    {
        WriteFile("path.ini", "[RJSZ]\r\nbtwz=取色器\r\nysbq2=网页色\r\nkjj2=屏幕取色\r\nZJYS=&HFF,&HFF00,&HFF0000\r\nwdYS=&H7B,&H7BFFFF\r\n");
        ASSERT_TRUE(Window().CSHZJM());
    }

    ui::AccessibleItem Item(ui::Control const* control)
    {
        ui::Form const& form = Window().Form();
        return ui::DescribeChild(form, ui::AccessibleChildId(form, *control));
    }

    std::string Tab()
    {
        Window().Form().KeyDown({ ui::TabKey, 0 });
        ui::Control const* focused = Window().Form().Focused();
        return focused ? focused->Name() : "-";
    }
};

TEST_F(MainWindowAccess, PaintedControlsAreNamedForAScreenReader)
{
    Start();
    Window().SZYS(0xFFFF7B);
    EXPECT_EQ(Item(Controls().YSK).name, "网页色 #7BFFFF");
    EXPECT_EQ(Item(Controls().ZJHQYS[2]).name, "最近使用的颜色 3：#0000FF");
    EXPECT_EQ(Item(Controls().WBCYS[4]).name, "保存的颜色 5：空");
    EXPECT_TRUE(Item(Controls().WBCYS[4]).states & ui::StateUnavailable);
    EXPECT_EQ(Item(Controls().QSTBK).name, "屏幕取色");
    EXPECT_EQ(Item(Controls().QSTBK).role, ui::AccessibleRole::PushButton);
    EXPECT_EQ(Item(Controls().YSSR[1]).name, "网页色");
    EXPECT_EQ(Item(Controls().MB4SRK[1]).name, "屏幕取色");
    ui::AccessibleItem const tab = Item(Controls().Mianban[1]);
    EXPECT_EQ(tab.name, "色卡");
    EXPECT_EQ(tab.role, ui::AccessibleRole::PageTab);
    EXPECT_FALSE(tab.states & ui::StateSelected);
    EXPECT_TRUE(Item(Controls().Mianban[0]).states & ui::StateSelected);
    EXPECT_TRUE(Item(Controls().MB4SRK[0]).states & ui::StateInvisible);
}

TEST_F(MainWindowAccess, TabGoesThroughTheWindowInReadingOrderAndEnterChoosesASavedColour)
{
    Start();
    std::vector<std::string> order;
    for (int i = 0; i < 18; ++i)
        order.push_back(Tab());
    EXPECT_EQ(order,
        (std::vector<std::string> { "ZXHANT", "GBANT", "YSK", "QSTBK", "JTTBK", "YSSR(0)", "YSSR(1)", "YSSR(2)",
            "YSSR(3)", "DXAnNiu", "Mianban(0)", "Mianban(1)", "Mianban(2)", "Mianban(3)", "ZJHQYS(0)", "WBCYS(0)",
            "DBBT", "ZXHANT" }));
    Window().Form().KeyDown({ ui::TabKey, ui::ShiftKey });
    Window().Form().KeyDown({ ui::TabKey, ui::ShiftKey });
    Window().Form().KeyDown({ ui::RightKey, 0 });
    Window().Form().KeyDown({ ui::EnterKey, 0 });
    EXPECT_EQ(Window().CurrentColour(), 0x7BFFFF);

    // Space on the hotkey tab shows its panel; Tab leaves a chord box, which takes other keys.
    while (Window().Form().Focused() != Controls().Mianban[3])
        Tab();
    Window().Form().KeyDown({ ui::SpaceKey, 0 });
    EXPECT_EQ(Window().CurrentPanel(), 3);
    EXPECT_EQ(Tab(), "MB4SRK(0)");
    EXPECT_TRUE(Window().Form().KeyDownOn(*Controls().MB4SRK[0], { ui::TabKey, 0 }));
    EXPECT_EQ(Window().Form().Focused(), Controls().MB4SRK[1]);
}

// The ticker's link reaches the window's right edge: its mark was cut there, at every scale.
TEST_F(MainWindowAccess, TheFocusMarkOfEveryStopIsWholeInsideTheWindow)
{
    Start();
    ui::Form& form = Window().Form();
    for (int dpi : { 96, 144, 192 }) {
        form.SetDpi(dpi);
        gfx::Size const window = form.PixelSize();
        auto painted = gfx::Image::Create(window.width, window.height);
        for (int panel = 0; panel < 4; ++panel) {
            Window().SwitchPanel(panel == 0 ? 3 : panel - 1, panel);
            int marks = 0;
            ui::Control const* first = nullptr;
            for (int stop = 0; stop < 40; ++stop) {
                Tab();
                if (stop > 0 && form.Focused() == first)
                    break;
                first = stop == 0 ? form.Focused() : first;
                auto const mark = form.FocusMarkBounds();
                if (!mark)
                    continue;
                ++marks;
                std::string const where = form.Focused()->Name() + " at " + std::to_string(dpi);
                ASSERT_TRUE(mark->x >= 0 && mark->y >= 0 && mark->Right() <= window.width
                    && mark->Bottom() <= window.height)
                    << where;
                form.Paint(*painted);
                int const midX = mark->x + mark->width / 2;
                int const midY = mark->y + mark->height / 2;
                for (gfx::Point side : { gfx::Point { mark->x, midY }, gfx::Point { mark->Right() - 1, midY },
                         gfx::Point { midX, mark->y }, gfx::Point { midX, mark->Bottom() - 1 } })
                    EXPECT_EQ(gfx::ColourFromPixel(*painted->PixelAt(side)), 0) << where;
            }
            EXPECT_GE(marks, 3) << panel;
        }
    }
}

}
