// How pointer input reaches controls: topmost first, enter and leave, capture from press to
// release, and the order of a double-click.

#include "tests/fake/FakeTextRenderer.h"
#include "ui/CircleShape.h"
#include "ui/Form.h"
#include "ui/PictureBox.h"
#include "ui/SwatchImage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class FormRouting : public ::testing::Test {
protected:
    FormRouting()
    {
        m_form.SetSize({ 200, 100 });
        m_lower.SetPlace({ 0, 0, 100, 100 });
        m_upper.SetPlace({ 50, 0, 100, 50 });
        Record(m_lower, "lower");
        Record(m_upper, "upper");
    }

    void Record(ui::Control& control, std::string name)
    {
        control.OnMouseDown = [this, name](ui::MouseEvent const& e) {
            m_log.push_back(name + " down " + std::to_string(int(e.x)) + "," + std::to_string(int(e.y)));
        };
        control.OnMouseMove = [this, name](ui::MouseEvent const& e) {
            m_log.push_back(name + " move " + std::to_string(int(e.x)) + "," + std::to_string(int(e.y)));
        };
        control.OnMouseUp = [this, name](ui::MouseEvent const&) { m_log.push_back(name + " up"); };
        control.OnClick = [this, name] { m_log.push_back(name + " click"); };
        control.OnDoubleClick = [this, name] { m_log.push_back(name + " dblclick"); };
        control.OnEnter = [this, name] { m_log.push_back(name + " enter"); };
        control.OnLeave = [this, name] { m_log.push_back(name + " leave"); };
    }

    std::vector<std::string> Take() { return std::exchange(m_log, {}); }

    platform::fake::FakeTextRenderer m_text;
    ui::Form m_form { m_text };
    ui::SwatchImage& m_lower = m_form.Add<ui::SwatchImage>("lower");
    ui::SwatchImage& m_upper = m_form.Add<ui::SwatchImage>("upper");
    std::vector<std::string> m_log;
};

using Log = std::vector<std::string>;

TEST_F(FormRouting, TopmostShownControlTakesThePointer)
{
    EXPECT_EQ(m_form.HitTest({ 60, 10 }), &m_upper);
    EXPECT_EQ(m_form.HitTest({ 60, 60 }), &m_lower);
    EXPECT_EQ(m_form.HitTest({ 160, 60 }), nullptr);
    m_upper.SetVisible(false);
    EXPECT_EQ(m_form.HitTest({ 60, 10 }), &m_lower);
}

TEST_F(FormRouting, EnterAndLeaveFollowThePointer)
{
    m_form.PointerMove({ 10, 10 }, 0, 0);
    m_form.PointerMove({ 20, 10 }, 0, 0);
    m_form.PointerMove({ 60, 10 }, 0, 0);
    m_form.PointerMove({ 190, 90 }, 0, 0);
    EXPECT_EQ(Take(), (Log { "lower enter", "lower move 10,10", "lower move 20,10", "lower leave", "upper enter",
                          "upper move 10,10", "upper leave" }));
    m_form.PointerMove({ 10, 10 }, 0, 0);
    m_form.PointerLeft();
    EXPECT_EQ(Take(), (Log { "lower enter", "lower move 10,10", "lower leave" }));
}

TEST_F(FormRouting, APressCapturesUntilRelease)
{
    m_form.PointerDown({ 60, 10 }, ui::LeftButton, 0);
    m_form.PointerMove({ 10, 90 }, ui::LeftButton, 0);
    m_form.PointerMove({ -30, 200 }, ui::LeftButton, 0);
    m_form.PointerUp({ -30, 200 }, ui::LeftButton, 0);
    EXPECT_EQ(Take(), (Log { "upper enter", "upper down 10,10", "upper leave", "lower enter", "upper move -40,90",
                          "lower leave", "upper move -80,200", "upper up" }))
        << "moves go to the pressed control, in its own units; no click when released elsewhere";

    m_form.PointerDown({ 60, 10 }, ui::LeftButton, 0);
    m_form.PointerUp({ 70, 20 }, ui::LeftButton, 0);
    EXPECT_EQ(Take(), (Log { "upper enter", "upper down 10,10", "upper up", "upper click" }));
}

// A double-click once ended in a second click, which would act on what the first had moved there.
TEST_F(FormRouting, DoubleClickComesAfterTheFirstClickAndIsNoSecondClick)
{
    m_form.PointerDown({ 10, 10 }, ui::LeftButton, 0);
    m_form.PointerUp({ 10, 10 }, ui::LeftButton, 0);
    m_form.PointerDoubleClick({ 10, 10 });
    m_form.PointerUp({ 10, 10 }, ui::LeftButton, 0);
    EXPECT_EQ(Take(), (Log { "lower enter", "lower down 10,10", "lower up", "lower click", "lower dblclick",
                          "lower up" }));
    m_form.PointerDown({ 10, 10 }, ui::LeftButton, 0);
    m_form.PointerUp({ 10, 10 }, ui::LeftButton, 0);
    EXPECT_EQ(Take(), (Log { "lower down 10,10", "lower up", "lower click" })) << "the next press clicks again";
}

TEST_F(FormRouting, ShapesLetThePointerThroughAndChildrenStayInTheirBox)
{
    auto& box = m_form.Add<ui::PictureBox>("box");
    box.SetPlace({ 0, 60, 40, 40 });
    auto& ring = m_form.AddInside<ui::CircleShape>(box, "ring");
    ring.SetPlace({ 10, 10, 4, 4 });
    auto& child = m_form.AddInside<ui::SwatchImage>(box, "child");
    child.SetPlace({ 30, 30, 40, 40 });
    EXPECT_EQ(m_form.HitTest({ 11, 71 }), &box);
    EXPECT_EQ(m_form.HitTest({ 35, 95 }), &child);
    EXPECT_EQ(m_form.HitTest({ 45, 95 }), &m_lower) << "the part outside its box is not the child's";
    box.SetVisible(false);
    EXPECT_FALSE(child.Shown());
    EXPECT_EQ(m_form.HitTest({ 35, 95 }), &m_lower);
}

TEST_F(FormRouting, PaintingRespectsZOrderVisibilityAndContainers)
{
    m_lower.SetBackColour(0x0000FF);
    m_upper.SetBackColour(0x00FF00);
    auto& box = m_form.Add<ui::PictureBox>("box");
    box.SetPlace({ 150, 50, 20, 20 });
    box.SetBackColour(0xFF0000);
    auto& child = m_form.AddInside<ui::SwatchImage>(box, "child");
    child.SetPlace({ 10, 10, 40, 40 });
    child.SetBackColour(0x00FFFF);
    auto target = gfx::Image::Create(200, 100);
    m_form.Paint(*target);
    EXPECT_FALSE(m_form.NeedsPaint());
    EXPECT_EQ(gfx::ColourFromPixel(*target->PixelAt(60, 10)), 0x00FF00);
    EXPECT_EQ(gfx::ColourFromPixel(*target->PixelAt(60, 60)), 0x0000FF);
    EXPECT_EQ(gfx::ColourFromPixel(*target->PixelAt(165, 65)), 0x00FFFF);
    EXPECT_EQ(gfx::ColourFromPixel(*target->PixelAt(175, 75)), m_form.BackColour()) << "clipped to its box";

    m_upper.SetVisible(false);
    EXPECT_TRUE(m_form.NeedsPaint());
    m_form.Paint(*target);
    EXPECT_EQ(gfx::ColourFromPixel(*target->PixelAt(60, 10)), 0x0000FF);
}

TEST_F(FormRouting, KeysGoToTheFocusedControlThenToTheForm)
{
    std::vector<std::string> keys;
    m_form.OnKeyDown = [&](ui::KeyEvent const& key) {
        keys.push_back("form " + std::to_string(key.keyCode));
        return key.keyCode == 27;
    };
    EXPECT_TRUE(m_form.KeyDown({ 27, 0 }));
    EXPECT_FALSE(m_form.KeyDown({ 65, 0 })) << "the form left it to the system";
    m_upper.OnKeyDown = [&](ui::KeyEvent const& key) {
        keys.push_back("upper " + std::to_string(key.keyCode));
        return key.keyCode != 115;
    };
    m_form.SetFocus(&m_upper);
    EXPECT_TRUE(m_form.KeyDown({ 37, 0 }));
    EXPECT_FALSE(m_form.KeyDown({ 115, ui::AltKey })) << "Alt+F4, which the control leaves, goes on to the window";
    m_upper.SetVisible(false);
    m_form.KeyDown({ 38, 0 });
    EXPECT_EQ(keys, (std::vector<std::string> { "form 27", "form 65", "upper 37", "upper 115", "form 115", "form 38" }));
    EXPECT_FALSE(m_form.KeyPress(U'a'));
}

}
