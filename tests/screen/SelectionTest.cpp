// The capture's selection: drawing, moving, resizing, the arrow keys, right-click and Esc.

#include "platform/InputEvents.h"
#include "screen/Selection.h"

#include <gtest/gtest.h>

namespace {

using platform::LeftButton;
using platform::PointerShape;
using platform::RightButton;
using screen::SelRect;
using screen::SelState;

constexpr gfx::Size SelectionScreen { 800, 600 };

// A selection of 100 x 50 at (200, 100), released.
screen::Selection Selected()
{
    screen::Selection s(SelectionScreen);
    s.MouseDown(LeftButton, 300, 150);
    s.MouseMove(LeftButton, 200, 100);
    s.MouseUp();
    return s;
}

// Grabs the selection at a point and drags by (dx, dy).
void Drag(screen::Selection& s, int x, int y, int dx, int dy)
{
    s.MouseMove(0, x, y);
    s.MouseDown(LeftButton, x, y);
    s.MouseMove(LeftButton, x + dx, y + dy);
    s.MouseUp();
}

TEST(Selection, DrawingUpAndLeftAndAPressWithoutAMove)
{
    screen::Selection s = Selected();
    EXPECT_EQ(s.Rect(), (SelRect { 200, 100, 100, 50 }));
    EXPECT_EQ(s.State(), SelState::Selected);

    screen::Selection still(SelectionScreen);
    still.MouseDown(LeftButton, 40, 40);
    still.MouseUp();
    EXPECT_EQ(still.Rect(), SelRect {});
    EXPECT_EQ(still.State(), SelState::Selected);
    still.MouseMove(0, 40, 40);
    still.MouseDown(LeftButton, 40, 40);
    EXPECT_EQ(still.State(), SelState::Selected) << "nothing to grab until a right-click";
}

TEST(Selection, ThePointerShapeDecidesWhatAPressDoes)
{
    struct Case {
        int x, y;
        PointerShape shape;
        SelState state;
    } const cases[] = {
        { 250, 125, PointerShape::Move, SelState::Moving },
        { 299, 125, PointerShape::SizeWestEast, SelState::SizingRight }, // W - 1 inside the right line
        { 201, 125, PointerShape::SizeWestEast, SelState::SizingLeft },
        { 199, 125, PointerShape::SizeWestEast, SelState::SizingLeft },
        { 250, 151, PointerShape::SizeNorthSouth, SelState::SizingBottom },
        { 200, 100, PointerShape::SizeNorthSouth, SelState::SizingTop }, // a corner is vertical
        { 302, 125, PointerShape::Arrow, SelState::Selected },
    };
    for (Case const& c : cases) {
        screen::Selection s = Selected();
        s.MouseMove(0, c.x, c.y);
        EXPECT_EQ(s.Shape(), c.shape) << c.x << "," << c.y;
        s.MouseDown(LeftButton, c.x, c.y);
        EXPECT_EQ(s.State(), c.state) << c.x << "," << c.y;
    }
    // On a very narrow selection even its right frame line sizes from the left.
    screen::Selection narrow(SelectionScreen);
    narrow.MouseDown(LeftButton, 10, 10);
    narrow.MouseMove(LeftButton, 11, 40);
    narrow.MouseUp();
    narrow.MouseMove(0, 11, 20);
    narrow.MouseDown(LeftButton, 11, 20);
    EXPECT_EQ(narrow.State(), SelState::SizingLeft);
}

TEST(Selection, MovingStaysOnTheScreenAndSizingIsPinnedAtZero)
{
    screen::Selection s = Selected();
    Drag(s, 250, 125, -500, 1000);
    EXPECT_EQ(s.Rect(), (SelRect { 0, 550, 100, 50 }));

    screen::Selection r = Selected();
    r.MouseMove(0, 299, 125);
    r.MouseDown(LeftButton, 299, 125);
    r.MouseMove(LeftButton, 150, 125);
    EXPECT_EQ(r.Rect(), (SelRect { 200, 100, 0, 50 }));
    r.MouseMove(LeftButton, 300, 125);
    EXPECT_EQ(r.Rect().W, 1) << "grows again past the column where it was pinned";

    screen::Selection l = Selected();
    l.MouseMove(0, 200, 125);
    l.MouseDown(LeftButton, 200, 125);
    l.MouseMove(LeftButton, 250, 125);
    EXPECT_EQ(l.Rect(), (SelRect { 250, 100, 50, 50 }));
    l.MouseMove(LeftButton, 400, 125);
    EXPECT_EQ(l.Rect(), (SelRect { 250, 100, 0, 50 })) << "the left edge stops at the last column it was at";

    screen::Selection t = Selected();
    t.MouseMove(0, 250, 100);
    t.MouseDown(LeftButton, 250, 100);
    t.MouseMove(LeftButton, 250, 90);
    EXPECT_EQ(t.Rect(), (SelRect { 200, 90, 100, 60 }));
}

TEST(Selection, ArrowKeysStopAtZeroAndAtTheScreenEdge)
{
    screen::Selection s = Selected();
    s.MouseMove(0, 300, 150);
    EXPECT_EQ(s.KeyDown(screen::VirtualKeyRight), (gfx::Point { 301, 150 }));
    EXPECT_EQ(s.Rect().W, 101);
    EXPECT_EQ(s.KeyDown(screen::VirtualKeyUp), (gfx::Point { 301, 149 }));
    EXPECT_EQ(s.Rect().H, 49);
    EXPECT_FALSE(s.KeyDown(65));

    screen::Selection empty(SelectionScreen);
    EXPECT_FALSE(empty.KeyDown(screen::VirtualKeyLeft)) << "W stays 0 and the pointer stays";
    EXPECT_EQ(empty.Rect().W, 0);

    screen::Selection edge = Selected();
    Drag(edge, 250, 125, 1000, 0);
    EXPECT_FALSE(edge.KeyDown(screen::VirtualKeyRight));
    EXPECT_EQ(edge.Rect().X + edge.Rect().W, SelectionScreen.width);
}

TEST(Selection, RightClickClearsAndEscEndsInEveryState)
{
    screen::Selection s = Selected();
    s.MouseMove(0, 250, 125);
    s.MouseDown(LeftButton, 250, 125);
    s.KeyPress(screen::EscapeCharacter);
    EXPECT_TRUE(s.CaptureDone());
    EXPECT_EQ(s.Rect(), (SelRect { 200, 100, 100, 50 }));
    s.MouseDown(RightButton, 250, 125);
    EXPECT_EQ(s.Rect(), SelRect {});
    EXPECT_EQ(s.State(), SelState::Idle);
    EXPECT_EQ(s.Shape(), PointerShape::Arrow);
}

// Before: the top edge grabbed a pixel inside it on the screen's top row and pulled up by that
// pixel left the screen (Y = -1), and the left edge likewise (X = -1).
TEST(Selection, SizingFromTheTopOrLeftEdgeStopsAtTheScreensEdge)
{
    screen::Selection s(SelectionScreen);
    s.MouseDown(LeftButton, 0, 0);
    s.MouseMove(LeftButton, 100, 50);
    s.MouseUp();
    Drag(s, 50, 1, 0, -1);
    EXPECT_EQ(s.Rect(), (SelRect { 0, 0, 100, 50 }));
    Drag(s, 1, 25, -1, 0);
    EXPECT_EQ(s.Rect(), (SelRect { 0, 0, 100, 50 }));
}

// Before: the right edge dragged past the screen, then the left edge after it, and Right gave
// W = -50: a selection off the screen with a negative size.
TEST(Selection, NeitherPointerNorKeysTakeTheSelectionOffTheScreenOrBelowZero)
{
    screen::Selection s = Selected();
    Drag(s, 299, 125, 601, 0);
    Drag(s, 200, 125, 650, 0);
    s.KeyDown(screen::VirtualKeyRight);
    SelRect const r = s.Rect();
    EXPECT_GE(r.X, 0);
    EXPECT_GE(r.W, 0);
    EXPECT_LE(r.X + r.W, SelectionScreen.width);
}

}
