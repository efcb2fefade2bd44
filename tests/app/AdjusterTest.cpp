// The adjuster and the colour chart under the pointer and the keyboard, in the window's built-in
// layout: which presses, drags and keys choose a colour, that the colour is the one drawn, and
// which ones record it.

#include "MainWindowFixture.h"
#include "colour/Hsv.h"
#include "ui/FocusOrder.h"

#include <algorithm>
#include <set>

namespace {

class Adjuster : public MainWindowFixture {
protected:
    Adjuster()
    {
        WriteFile("path.ini", "[RJSZ]\r\nbtwz=取色器\r\n");
        EXPECT_TRUE(Window().CSHZJM());
        Window().SwitchPanel(0, 2);
    }

    ui::Form& Form() { return Window().Form(); }

    gfx::Point InBox(int x, int y) const
    {
        gfx::Rect const inner = m_window->Controls().TSBK->InnerBounds();
        return { inner.x + x, inner.y + y };
    }

    gfx::Point OnStrip(int row) const
    {
        gfx::Rect const strip = m_window->Controls().TSTK->InnerBounds();
        return { strip.x + 5, strip.y + row };
    }

    // What the box shows at one of its pixels.
    Colour Drawn(int x, int y) const
    {
        return gfx::ColourFromPixel(*m_window->Controls().TSBK->Picture().PixelAt(x, y));
    }

    float HuePointerTop() const { return m_window->Controls().TSZZ->Place().top; }

    void Key(int keyCode, int times = 1, int shift = 0)
    {
        for (int n = 0; n < times; ++n)
            Form().KeyDown({ keyCode, shift });
    }

    // Tab from wherever the focus is until it reaches the control.
    void TabTo(ui::Control const* control)
    {
        for (int n = 0; n < 40 && Form().Focused() != control; ++n)
            Key(ui::TabKey);
        ASSERT_EQ(Form().Focused(), control);
    }

    float HuePointerTopFor(int hue) const
    {
        ui::Control const& strip = *m_window->Controls().TSTK;
        auto const fromTop = static_cast<std::int16_t>(360 - hue);
        return static_cast<float>(fromTop) * strip.Height() / 360.0f + strip.Place().top
            - m_window->Controls().TSZZ->Height() / 2.0f;
    }
};

TEST_F(Adjuster, APressTakesTheColourDrawnUnderItAndRecordsItADragOnlyTakesIt)
{
    // Every press lands on the ring's centre and gives the pixel drawn there; on the frame (the
    // box's outer pixels), the nearest pixel inside it.
    auto const inside = [](int p) { return std::clamp(p, 1, 202); };
    for (int p = 0; p < 204; p += 7) {
        int const button = p % 2 ? ui::RightButton : ui::LeftButton;
        Form().PointerDown(InBox(p, 203 - p), button, 0);
        Form().PointerUp(InBox(p, 203 - p), button, 0);
        ASSERT_EQ(Window().CurrentColour(), Drawn(inside(p), inside(203 - p))) << p;
    }
    Form().PointerDown(InBox(203, 0), ui::MiddleButton, 0);
    EXPECT_EQ(Window().CurrentColour(), Drawn(202, 1));
    Form().PointerUp(InBox(203, 0), ui::MiddleButton, 0);

    Form().PointerDown(InBox(100, 100), ui::LeftButton, 0);
    Colour const pressed = Drawn(100, 100);
    std::string const recent = Window().RecentListText();
    EXPECT_EQ(recent.substr(0, recent.find(',')), Controls().YSSR[2]->Text());
    Form().PointerMove(InBox(40, 150), ui::LeftButton | ui::RightButton, 0);
    Form().PointerMove(InBox(40, 150), ui::RightButton, 0);
    EXPECT_EQ(Window().CurrentColour(), pressed) << "a drag counts with the left button alone";
    Form().PointerMove(InBox(40, 150), ui::LeftButton, 0);
    EXPECT_EQ(Window().CurrentColour(), Drawn(40, 150));

    // Beyond the box the ring follows, the colour stays the last one inside.
    Form().PointerMove(InBox(-30, 150), ui::LeftButton, 0);
    Form().PointerUp(InBox(-30, 150), ui::LeftButton, 0);
    EXPECT_EQ(Window().CurrentColour(), Drawn(40, 150));
    EXPECT_LT(Controls().TSYQ->Place().left, -10.0f);
    EXPECT_EQ(Window().RecentListText(), recent) << "only presses record";
}

// Depending on its size the box's frame lies on the model's edge (a 102-pixel box gave the frame's
// colour there) or leaves pixels beyond it: anywhere in the box gives a colour of the model.
TEST_F(Adjuster, AnyPointOfABoxOfAnySizeGivesAColourOfTheModel)
{
    std::set<Colour> model;
    for (std::int16_t s = 0; s <= 100; ++s) {
        for (std::int16_t v = 0; v <= 100; ++v)
            model.insert(GG::HsvToColour(180, s, v));
    }
    ui::PictureBox& box = *Controls().TSBK;
    ui::Placement const place = box.Place();
    for (int side : { 60, 102, 151, 300 }) {
        box.SetPlace({ place.left, place.top, static_cast<float>(side), static_cast<float>(side) });
        Window().DrawAdjusterBox(180);
        for (int i = 0; i < side; ++i) {
            for (gfx::Point at : { InBox(i, 0), InBox(i, side - 1), InBox(0, i), InBox(side - 1, i) }) {
                Form().PointerMove(at, ui::LeftButton, 0);
                ASSERT_TRUE(model.contains(Window().CurrentColour()))
                    << side << ": " << at.x << "," << at.y << " gave " << std::hex << Window().CurrentColour();
            }
        }
        Form().PointerDown(InBox(side - 1, 0), ui::LeftButton, 0);
        Form().PointerUp(InBox(side - 1, 0), ui::LeftButton, 0);
        EXPECT_EQ(Window().CurrentColour(), GG::HsvToColour(180, 100, 100)) << side;
    }
}

TEST_F(Adjuster, TheStripTakesAnyPressButOnlyLeftDragsBetweenItsEnds)
{
    Form().PointerDown(InBox(150, 50), ui::LeftButton, 0);
    Form().PointerUp(InBox(150, 50), ui::LeftButton, 0);
    std::string const recent = Window().RecentListText();

    // The top row is hue 361, just past the strip's end: a press takes it, a drag does not.
    Form().PointerDown(OnStrip(0), ui::RightButton, 0);
    EXPECT_FLOAT_EQ(HuePointerTop(), HuePointerTopFor(361));
    EXPECT_EQ(Window().CurrentColour(), Drawn(150, 50)) << "the new box's colour under the ring";
    Form().PointerUp(OnStrip(0), ui::RightButton, 0);

    Form().PointerDown(OnStrip(100), ui::LeftButton, 0);
    float const middle = HuePointerTop();
    Colour const colour = Window().CurrentColour();
    EXPECT_NE(middle, HuePointerTopFor(361));
    for (gfx::Point at : { OnStrip(0), OnStrip(220), OnStrip(-30) }) {
        Form().PointerMove(at, ui::LeftButton, 0);
        EXPECT_EQ(HuePointerTop(), middle) << at.y;
    }
    Form().PointerMove(OnStrip(50), ui::RightButton, 0);
    Form().PointerMove(OnStrip(50), ui::LeftButton | ui::MiddleButton, 0);
    EXPECT_EQ(HuePointerTop(), middle);
    EXPECT_EQ(Window().CurrentColour(), colour);
    Form().PointerMove(OnStrip(203), ui::LeftButton, 0);
    EXPECT_FLOAT_EQ(HuePointerTop(), HuePointerTopFor(0));
    EXPECT_EQ(Window().CurrentColour(), Drawn(150, 50));
    Form().PointerUp(OnStrip(203), ui::LeftButton, 0);
    EXPECT_EQ(Window().RecentListText(), recent) << "the strip records nothing";
}

TEST_F(Adjuster, AChartPressSetsAndRecordsItsColourOnce)
{
    Window().SwitchPanel(2, 1);
    Controls().YDYSK->SetBackColour(0x336699);
    gfx::Rect const chart = Controls().YDYSK->InnerBounds();
    for (int press = 0; press < 2; ++press) {
        Form().PointerDown({ chart.x + 10 + press, chart.y + 20 }, ui::MiddleButton, 0);
        Form().PointerUp({ chart.x + 10 + press, chart.y + 20 }, ui::MiddleButton, 0);
    }
    EXPECT_EQ(Window().CurrentColour(), 0x336699);
    EXPECT_EQ(Window().RecentListText(), "&H336699");
}

TEST_F(Adjuster, TheBoxAndTheStripAreKeyboardStopsNamedByTheirValues)
{
    ui::PictureBox& box = *Controls().TSBK;
    std::string const recent = Window().RecentListText();
    TabTo(&box);
    EXPECT_EQ(box.AccessibleName(), "饱和度 52%，亮度 48%");
    Key(ui::RightKey);
    EXPECT_EQ(Window().CurrentColour(), box.PointColour(53, 48));
    // Ten with Shift, held inside the box.
    Key(ui::UpKey, 6, ui::ShiftKey);
    Key(ui::LeftKey, 2, ui::ShiftKey);
    EXPECT_EQ(box.AccessibleName(), "饱和度 33%，亮度 100%");
    EXPECT_EQ(Window().CurrentColour(), box.PointColour(33, 100));
    EXPECT_EQ(Window().RecentListText(), recent) << "steps are a drag's";
    Key(ui::EnterKey);
    EXPECT_EQ(Window().RecentListText().substr(0, Controls().YSSR[2]->Text().size()), Controls().YSSR[2]->Text());

    Key(ui::TabKey);
    ui::PictureBox& strip = *Controls().TSTK;
    ASSERT_EQ(Form().Focused(), &strip);
    Key(ui::UpKey);
    EXPECT_EQ(strip.AccessibleName(), "色相 181");
    EXPECT_FLOAT_EQ(HuePointerTop(), HuePointerTopFor(181));
    EXPECT_EQ(Window().CurrentColour(), box.PointColour(33, 100)) << "the new box's colour under the ring";
    Key(ui::DownKey, 19, ui::ShiftKey);
    EXPECT_EQ(strip.AccessibleName(), "色相 0");
    EXPECT_FLOAT_EQ(HuePointerTop(), HuePointerTopFor(0));
    Colour const red = Window().CurrentColour();
    EXPECT_EQ(red, box.PointColour(33, 100));
    EXPECT_TRUE(RedOf(red) == 255 && GreenOf(red) == BlueOf(red) && GreenOf(red) < 255) << "drawn for hue 0";
}

TEST_F(Adjuster, TheChartsMarkMovesByCellAndEnterTakesTheCellsColour)
{
    Window().SwitchPanel(2, 1);
    ui::PictureBox& chart = *Controls().YDYSK;
    // A chart whose every cell has a colour of its own.
    gfx::Size const size = chart.InnerSize();
    auto picture = gfx::Image::Create(size.width, size.height);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            picture->SetPixel(x, y,
                gfx::MakePixel(x * colour::ChartColumns / size.width * 10, y * colour::ChartRows / size.height * 20, 77));
    chart.SetPicture(*picture);
    auto cellColour = [](int column, int row) { return MakeColour(column * 10, row * 20, 77); };

    TabTo(&chart);
    Key(ui::UpKey);
    Key(ui::DownKey, 2);
    Key(ui::RightKey, 25);
    EXPECT_EQ(chart.AccessibleName(), "色卡 #B4284D") << "held at the last column";
    Key(ui::SpaceKey);
    EXPECT_EQ(Window().CurrentColour(), cellColour(18, 2));
    EXPECT_EQ(Window().RecentListText(), "&H4D28B4");

    // The mark rings the cell, dark outside light, while the chart has the keyboard's focus.
    gfx::Rect const cell = chart.UserRectToWindow(*chart.FocusPart());
    auto shown = gfx::Image::Create(Form().PixelSize().width, Form().PixelSize().height);
    Form().Paint(*shown);
    EXPECT_EQ(gfx::ColourFromPixel(*shown->PixelAt(cell.x - 2, cell.y + 5)), 0x000000);
    EXPECT_EQ(gfx::ColourFromPixel(*shown->PixelAt(cell.x - 1, cell.y + 5)), 0xFFFFFF);
    EXPECT_EQ(gfx::ColourFromPixel(*shown->PixelAt(cell.x + 1, cell.y + 5)), cellColour(18, 2));

    // A press moves the mark to the cell pressed.
    gfx::Rect const inner = chart.InnerBounds();
    Form().PointerDown({ inner.x + 1, inner.Bottom() - 1 }, ui::LeftButton, 0);
    Form().PointerUp({ inner.x + 1, inner.Bottom() - 1 }, ui::LeftButton, 0);
    Key(ui::EnterKey);
    EXPECT_EQ(chart.AccessibleName(), "色卡 #00DC4D");
    EXPECT_EQ(Window().CurrentColour(), cellColour(0, 11));
}

}
