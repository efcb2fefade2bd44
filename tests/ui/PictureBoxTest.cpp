// The picture box's user scale: drawing, reading points and reporting the pointer must agree, so
// a colour read where the user pressed is the colour drawn there.

#include "tests/fake/FakeTextRenderer.h"
#include "ui/CircleShape.h"
#include "ui/Form.h"
#include "ui/PictureBox.h"

#include <gtest/gtest.h>

namespace {

class PictureBoxScale : public ::testing::Test {
protected:
    platform::fake::FakeTextRenderer m_text;
    ui::Form m_form { m_text };
    ui::PictureBox& m_box = m_form.Add<ui::PictureBox>("box");
};

TEST_F(PictureBoxScale, ReversedAxesMapCornersAndCentre)
{
    m_box.SetPlace({ 10, 20, 204, 204 });
    m_box.SetScale(-1, 101, 101, -1);
    EXPECT_EQ(m_box.UserToPicture(-1, 101), (gfx::Point { 0, 0 }));
    EXPECT_EQ(m_box.UserToPicture(50, 50), (gfx::Point { 102, 102 }));
    EXPECT_EQ(m_box.UserToPicture(100.99f, -0.99f), (gfx::Point { 203, 203 }));
    EXPECT_EQ(m_box.PointColour(101, 50), NoColour) << "the right edge is outside";
    EXPECT_EQ(m_box.PointColour(50, -1), NoColour);
    EXPECT_NE(m_box.PointColour(50, 50), NoColour);
}

TEST_F(PictureBoxScale, PointerPositionsReadBackTheirOwnPixel)
{
    m_box.SetPlace({ 10, 20, 13, 362 });
    m_box.SetBorderWidth(0);
    m_box.SetScale(11, 361, -1, -1);
    for (int py = 0; py < 362; ++py) {
        for (int px : { 0, 6, 12 }) {
            float x = 0;
            float y = 0;
            m_box.ToOwnUnits({ 10 + px, 20 + py }, x, y);
            ASSERT_EQ(m_box.UserToPicture(x, y), (gfx::Point { px, py })) << px << "," << py;
        }
    }
    float x = 0;
    float y = 0;
    m_box.ToOwnUnits({ 10, 20 }, x, y);
    EXPECT_FLOAT_EQ(y, 361) << "the top row is the strip's upper margin";
}

TEST_F(PictureBoxScale, DrawingIsKeptWhileHiddenAndReadWhereDrawn)
{
    m_box.SetPlace({ 0, 0, 102, 102 });
    m_box.SetBackColour(0xFFFFFF);
    m_box.SetScale(-1, 101, 101, -1);
    m_box.SetVisible(false);
    m_box.FillCircle(30, 70, 1, 0x0000FF);
    m_box.DrawLine(0, 10, 100, 10, 0x00FF00);
    m_box.DrawRect(-1, 101, 100.5f, -0.5f, 0xCFA008);
    m_box.SetVisible(true);
    EXPECT_EQ(m_box.PointColour(30, 70), 0x0000FF);
    EXPECT_EQ(m_box.PointColour(31, 70), 0x0000FF) << "radius 1 unit";
    EXPECT_EQ(m_box.PointColour(50, 10), 0x00FF00);
    EXPECT_EQ(m_box.PointColour(-1, 101), 0xCFA008);
    EXPECT_EQ(m_box.PointColour(60, 60), 0xFFFFFF);

    m_box.SetBackColour(NoColour);
    EXPECT_EQ(m_box.PointColour(30, 70), 0x0000FF) << "no colour clears nothing";
    m_box.SetPlace({ 0, 0, 150, 120 });
    EXPECT_EQ(m_box.Picture().Size(), (gfx::Size { 150, 120 }));
    EXPECT_EQ(gfx::ColourFromPixel(*m_box.Picture().PixelAt(140, 110)), 0xFFFFFF) << "new area is filled";
}

TEST_F(PictureBoxScale, ChildrenArePlacedInTheBoxUnits)
{
    m_box.SetPlace({ 10, 20, 204, 204 });
    m_box.SetScale(-1, 101, 101, -1);
    auto& ring = m_form.AddInside<ui::CircleShape>(m_box, "ring");
    ring.SetPlace({ 48, 52, 4, 4 });
    EXPECT_EQ(ring.PixelBounds(), (gfx::Rect { 10 + 98, 20 + 98, 8, 8 })) << "centred on 50, 50";
}

TEST_F(PictureBoxScale, PicturesAreStretchedByWholeBlocks)
{
    m_box.SetPlace({ 0, 0, 40, 20 });
    auto picture = gfx::Image::Create(4, 2, gfx::PixelFromColour(0x0000FF));
    picture->SetPixel(3, 1, gfx::PixelFromColour(0x00FF00));
    m_box.PaintPicture(*picture, 0, 0, 40, 20, picture->Bounds());
    EXPECT_EQ(m_box.PointColour(29, 9), 0x0000FF);
    EXPECT_EQ(m_box.PointColour(30, 10), 0x00FF00);
    EXPECT_EQ(m_box.PointColour(39, 19), 0x00FF00);
}

}
