// The pick: where the magnifier goes, what a frame repaints, and what a release leaves as the
// current colour and on the clipboard.

#include "app/MainWindowFixture.h"
#include "gfx/Painter.h"
#include "screen/PickMagnifier.h"
#include "screen/PickOverlay.h"
#include "tests/fake/FakeEventLoop.h"
#include "tests/fake/FakeOverlayWindow.h"
#include "tests/fake/FakeScreen.h"

namespace {

using screen::MagnifierCorner;

constexpr gfx::Size PickScreen { 200, 150 };
platform::Desktop const Single = platform::Desktop::Single({ 0, 0, PickScreen.width, PickScreen.height });

// A picture whose every pixel has a colour of its own.
gfx::Image Numbered(gfx::Size size)
{
    auto image = gfx::Image::Create(size.width, size.height);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            image->SetPixel(x, y, gfx::MakePixel(x, y, (x * 7 + y) & 0xFF));
    return std::move(*image);
}

bool SamePixels(gfx::Image const& a, gfx::Image const& b)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (*a.PixelAt(x, y) != *b.PixelAt(x, y))
                return false;
    return a.Size() == b.Size();
}

TEST(PickMagnifier, FlipsLeftOrUpPastFiftyPixelsFromTheEdgeEachAxisAlone)
{
    EXPECT_EQ(MagnifierCorner({ 150, 20 }, Single), (gfx::Point { 160, 30 }));
    EXPECT_EQ(MagnifierCorner({ 151, 20 }, Single), (gfx::Point { 101, 30 }));
    EXPECT_EQ(MagnifierCorner({ 20, 100 }, Single), (gfx::Point { 30, 110 }));
    EXPECT_EQ(MagnifierCorner({ 20, 101 }, Single), (gfx::Point { 30, 51 }));
    EXPECT_EQ(MagnifierCorner({ 0, 0 }, Single), (gfx::Point { 10, 10 }));
}

TEST(PickMagnifier, EnlargesFiveTimesWithTheOutlineAndTheMarkAroundThePointersPixel)
{
    gfx::Image const snapshot = Numbered(PickScreen);
    gfx::Image frame = snapshot.Clone();
    screen::PaintPickMagnifier(frame, snapshot, { 50, 40 }, Single);
    // The pointer's own pixel is the fifth block: (mx + 20 ... mx + 24).
    EXPECT_EQ(*frame.PixelAt(60 + 21, 50 + 21), *snapshot.PixelAt(50, 40));
    EXPECT_EQ(*frame.PixelAt(60 + 1, 50 + 1), *snapshot.PixelAt(46, 36));
    EXPECT_EQ(*frame.PixelAt(60 + 39, 50 + 39), *snapshot.PixelAt(53, 43));
    gfx::Pixel const outline = gfx::PixelFromColour(screen::MagnifierOutlineColour);
    for (gfx::Point p : { gfx::Point { 60, 50 }, gfx::Point { 100, 90 }, gfx::Point { 78, 68 }, gfx::Point { 82, 72 } })
        EXPECT_EQ(*frame.PixelAt(p), outline) << p.x << "," << p.y;
    EXPECT_EQ(*frame.PixelAt(50, 40), *snapshot.PixelAt(50, 40)) << "the pointer's pixel stays uncovered";

    // At the corner the source lies partly outside: that part of the square keeps what was there.
    gfx::Image corner = snapshot.Clone();
    screen::PaintPickMagnifier(corner, snapshot, { 0, 0 }, Single);
    EXPECT_EQ(*corner.PixelAt(11, 11), *snapshot.PixelAt(11, 11));
    EXPECT_EQ(*corner.PixelAt(10 + 21, 10 + 21), *snapshot.PixelAt(0, 0));
}

TEST(PickOverlay, FramesRepaintOnlyTheMagnifiersAndMatchAFullRepaint)
{
    platform::fake::FakeOverlayWindow window(PickScreen);
    platform::fake::FakePointer systemPointer;
    gfx::Image const snapshot = Numbered(PickScreen);
    screen::QSK pick(window, systemPointer, snapshot, Single);
    pick.Frame({ 30, 30 });
    window.TakeInvalidated();
    for (gfx::Point pointer : { gfx::Point { 31, 30 }, gfx::Point { 199, 149 }, gfx::Point { 0, 0 } }) {
        pick.Frame(pointer);
        auto const invalidated = window.TakeInvalidated();
        EXPECT_EQ(invalidated.size(), 2u);
        for (gfx::Rect const& r : invalidated)
            EXPECT_LE(r.width * r.height, 41 * 41);
        gfx::Image full = snapshot.Clone();
        screen::PaintPickMagnifier(full, snapshot, pointer, Single);
        EXPECT_TRUE(SamePixels(window.Pixels(), full)) << pointer.x << "," << pointer.y;
    }
    pick.Frame({ 0, 0 });
    EXPECT_TRUE(window.TakeInvalidated().empty()) << "a still pointer repaints nothing";
}

class PickFlow : public MainWindowFixture {
protected:
    PickFlow()
    {
        m_screen.Show(Numbered(PickScreen));
        m_pointer.MoveTo({ 123, 45 });
        m_services.emplace(screen::ScreenServices { m_screen, m_pointer, m_loop, m_clipboard, m_text,
            [this](gfx::Rect area) {
                auto overlay = std::make_unique<platform::fake::FakeOverlayWindow>(area.Size());
                m_overlay = overlay.get();
                return std::unique_ptr<platform::OverlayWindow>(std::move(overlay));
            } });
        // Esc cancels nothing; a release of any button ends the pick, wherever it happens.
        m_loop.OnServe = [this] {
            if (!m_overlay || ++m_serves < 3)
                return;
            m_overlay->Input()->KeyPress(27);
            m_overlay->Input()->PointerUp({ 5, 5 }, platform::MiddleButton, 0);
        };
    }

    app::ZhuJM& Started(std::string const& hotkeyText)
    {
        WriteFile("path.ini", "[RJSZ]\r\nkjj=" + hotkeyText + "\r\n");
        app::ZhuJM& window = Window(&*m_services);
        window.CSHZJM();
        return window;
    }

    platform::fake::FakeScreen m_screen;
    platform::fake::FakePointer m_pointer;
    platform::fake::FakeEventLoop m_loop;
    std::optional<screen::ScreenServices> m_services;
    platform::fake::FakeOverlayWindow* m_overlay = nullptr;
    int m_serves = 0;
};

TEST_F(PickFlow, AReleaseMakesTheSnapshotColourCurrentAndCopiesTheChosenNotation)
{
    app::ZhuJM& window = Started("0:123,4:81,4:66,4:70,4:74,1");
    Colour const expected = gfx::ColourFromPixel(*Numbered(PickScreen).PixelAt(123, 45));
    window.StartPick();
    EXPECT_EQ(window.CurrentColour(), expected);
    EXPECT_EQ(m_clipboard.Text(), Controls().YSSR[1]->Text());
}

TEST_F(PickFlow, TheCopyRuleFollowsTheSixthFieldAndThePrefixOption)
{
    struct Case {
        char const* field;
        bool prefix;
        int box;   // -1: nothing copied
        int strip; // characters cut from the front
    } const cases[] = { { "0", true, 0, 0 }, { "1", false, 1, 1 }, { "2", false, 2, 2 }, { "2", true, 2, 0 },
        { "3", false, 3, 0 }, { "4", true, -1, 0 }, { "", true, -1, 0 }, { "1.5", true, -1, 0 } };
    for (Case const& c : cases) {
        m_serves = 0;
        m_window.reset();
        app::ZhuJM& window = Started(std::string("0:123,4:81,4:66,4:70,4:74,") + c.field);
        Controls().DXAnNiu->SetChecked(c.prefix);
        m_clipboard.SetText("before");
        window.StartPick();
        std::string const expected = c.box < 0 ? "" : Controls().YSSR[c.box]->Text().substr(c.strip);
        EXPECT_EQ(m_clipboard.Text().value_or(""), expected) << "field " << c.field;
    }
}

}
