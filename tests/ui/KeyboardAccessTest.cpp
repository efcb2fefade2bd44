// What assistive technology and the keyboard see of a form: the accessible tree (ids, names,
// roles, states, places at a scale) and the tab order with its groups.

#include "tests/fake/FakeTextRenderer.h"
#include "ui/AccessibleTree.h"
#include "ui/AlphaImage.h"
#include "ui/FocusOrder.h"
#include "ui/Label.h"
#include "ui/NativeControls.h"
#include "ui/SwatchImage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class AccessibleForm : public ::testing::Test {
protected:
    AccessibleForm()
    {
        m_form.SetSize({ 300, 200 });
        m_button.SetPlace({ 10, 10, 20, 20 });
        m_button.SetAccessibleName("关闭");
        m_button.OnClick = [this] { m_log.push_back("button"); };
        m_frame.SetPlace({ 0, 0, 300, 200 });
        m_caption.SetText("网页色");
        m_caption.SetPosition(10, 40);
        m_edit.SetPlace({ 60, 40, 80, 20 });
        m_edit.SetText("#7BFFFF");
        m_edit.OnDoubleClick = [this] { m_log.push_back("copy"); };
        for (int j = 0; j < 6; ++j) {
            ui::SwatchImage& swatch = *m_swatches[j];
            // Two rows of three.
            swatch.SetPlace({ static_cast<float>(10 + 30 * (j % 3)), static_cast<float>(80 + 30 * (j / 3)), 20, 20 });
            swatch.SetFocusGroup(1);
            swatch.OnClick = [this, j] { m_log.push_back("swatch " + std::to_string(j)); };
            if (j < 2)
                swatch.ShowColour(0x0000FF);
        }
        m_hidden.SetPlace({ 200, 10, 20, 20 });
        m_hidden.OnClick = [] { };
        m_hidden.SetVisible(false);
        m_chord.SetPlace({ 200, 40, 80, 20 });
        m_chord.OnKeyDown = [this](ui::KeyEvent const& key) {
            m_log.push_back("chord " + std::to_string(key.keyCode));
            return true;
        };
    }

    std::vector<std::string> Tabbing(int presses, int shift = 0)
    {
        std::vector<std::string> names;
        for (int i = 0; i < presses; ++i) {
            m_form.KeyDown({ ui::TabKey, shift });
            names.push_back(m_form.Focused() ? m_form.Focused()->Name() : "-");
        }
        return names;
    }

    platform::fake::FakeTextRenderer m_text;
    ui::Form m_form { m_text };
    ui::AlphaImage& m_frame = m_form.Add<ui::AlphaImage>("frame");
    ui::AlphaImage& m_button = m_form.Add<ui::AlphaImage>("button");
    ui::Label& m_caption = m_form.Add<ui::Label>("caption");
    ui::TextBox& m_edit = m_form.Add<ui::TextBox>("edit");
    ui::SwatchImage* m_swatches[6] = { &m_form.Add<ui::SwatchImage>("s0"), &m_form.Add<ui::SwatchImage>("s1"),
        &m_form.Add<ui::SwatchImage>("s2"), &m_form.Add<ui::SwatchImage>("s3"), &m_form.Add<ui::SwatchImage>("s4"),
        &m_form.Add<ui::SwatchImage>("s5") };
    ui::AlphaImage& m_hidden = m_form.Add<ui::AlphaImage>("hidden");
    ui::TextBox& m_chord = m_form.Add<ui::TextBox>("chord");
    std::vector<std::string> m_log;
};

TEST_F(AccessibleForm, TreeNamesRolesStatesAndScaledPlaces)
{
    m_form.SetDpi(144);
    m_swatches[1]->SetSelected(true);
    std::vector<ui::AccessibleItem> const tree = ui::AccessibleTree(m_form);
    // The decorative frame is left out; ids count the rest from 1.
    ASSERT_EQ(tree.size(), 11u);
    EXPECT_EQ(tree[0].control, &m_button);
    EXPECT_EQ(tree[0].childId, 1);
    EXPECT_EQ(tree[0].name, "关闭");
    EXPECT_EQ(tree[0].role, ui::AccessibleRole::PushButton);
    EXPECT_EQ(tree[0].defaultAction, "单击");
    EXPECT_EQ(tree[0].bounds, (gfx::Rect { 15, 15, 30, 30 }));
    EXPECT_EQ(tree[1].role, ui::AccessibleRole::StaticText);
    // An input is named by the label before it; the chord box has none of its own.
    EXPECT_EQ(tree[2].name, "网页色");
    EXPECT_EQ(tree[2].role, ui::AccessibleRole::EditableText);
    EXPECT_EQ(tree[2].defaultAction, "双击");
    EXPECT_EQ(tree[10].name, "");
    EXPECT_EQ(tree[3].role, ui::AccessibleRole::ListItem);
    EXPECT_EQ(tree[4].states & (ui::StateSelected | ui::StateUnavailable), unsigned { ui::StateSelected });
    EXPECT_TRUE(tree[5].states & ui::StateUnavailable);
    EXPECT_EQ(tree[9].states & (ui::StateInvisible | ui::StateFocusable), unsigned { ui::StateInvisible });
    EXPECT_EQ(ui::AccessibleChildId(m_form, m_chord), 11);
    EXPECT_EQ(ui::AccessibleChildId(m_form, m_frame), 0);
    EXPECT_EQ(ui::DescribeChild(m_form, 12).control, nullptr);
}

TEST_F(AccessibleForm, TabVisitsEachStopOnceAndAGroupAsOne)
{
    EXPECT_EQ(Tabbing(5), (std::vector<std::string> { "button", "edit", "s0", "chord", "button" }));
    EXPECT_EQ(Tabbing(2, ui::ShiftKey), (std::vector<std::string> { "chord", "s0" }));
    // Arrows move by place: right along the row, down to the member below, not past the edge.
    m_form.KeyDown({ ui::RightKey, 0 });
    m_form.KeyDown({ ui::DownKey, 0 });
    EXPECT_EQ(m_form.Focused(), m_swatches[4]);
    EXPECT_FALSE(m_form.KeyDown({ ui::DownKey, 0 }));
    m_form.KeyDown({ ui::LeftKey, 0 });
    EXPECT_EQ(m_form.Focused(), m_swatches[3]);
    // The mark rings the focused swatch, dark outside light, and leaves the swatch itself alone.
    auto image = gfx::Image::Create(300, 200);
    m_form.Paint(*image);
    EXPECT_EQ(gfx::ColourFromPixel(*image->PixelAt(8, 115)), 0x000000);
    EXPECT_EQ(gfx::ColourFromPixel(*image->PixelAt(9, 115)), 0xFFFFFF);
    EXPECT_EQ(gfx::ColourFromPixel(*image->PixelAt(10, 115)), m_swatches[3]->BackColour());
    // Leaving the group and coming back lands where the focus was in it.
    EXPECT_EQ(Tabbing(2), (std::vector<std::string> { "chord", "button" }));
    EXPECT_EQ(Tabbing(2, ui::ShiftKey), (std::vector<std::string> { "chord", "s3" }));
}

TEST_F(AccessibleForm, EnterAndSpaceActAndAChordBoxKeepsAllButTab)
{
    m_form.MoveFocusTo(&m_button);
    m_form.KeyDown({ ui::EnterKey, 0 });
    m_form.MoveFocusTo(m_swatches[1]);
    m_form.KeyDown({ ui::SpaceKey, 0 });
    // Ctrl+Enter is no press.
    EXPECT_FALSE(m_form.KeyDown({ ui::EnterKey, ui::CtrlKey }));
    // A native box hears its own keys; Enter copies a notation box, a chord box takes it as a chord.
    EXPECT_TRUE(m_form.KeyDownOn(m_edit, { ui::EnterKey, 0 }));
    EXPECT_FALSE(m_form.KeyDownOn(m_chord, { ui::EnterKey, 0 }));
    EXPECT_TRUE(m_form.KeyDownOn(m_chord, { ui::TabKey, ui::ShiftKey }));
    EXPECT_EQ(m_form.Focused(), m_swatches[1]);
    EXPECT_EQ(m_log, (std::vector<std::string> { "button", "swatch 1", "copy", "chord 13" }));
    // A hidden focus is passed over: the next Tab goes on from where it was.
    m_swatches[1]->SetVisible(false);
    m_form.KeyDown({ ui::TabKey, 0 });
    EXPECT_EQ(m_form.Focused(), &m_chord);
    EXPECT_FALSE(m_form.FocusMarkShown());
}

}
