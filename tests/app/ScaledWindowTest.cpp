// The main window on a screen scaled to 125, 150, 175 and 200 %: its places stay in units, while
// it is drawn, hit and pressed in device pixels of that scale.

#include "MainWindowFixture.h"

#include <algorithm>
#include <cmath>

namespace {

class ScaledWindow : public MainWindowFixture, public ::testing::WithParamInterface<int> {
protected:
    ScaledWindow()
    {
        WriteFile("path.ini", "[RJSZ]\r\nbtwz=取色器\r\nysbq1=十进制\r\nysbq3=十六进制\r\n");
        EXPECT_TRUE(Window().CSHZJM());
        Window().Form().SetDpi(GetParam());
    }

    double Scale() const { return GetParam() / 96.0; }
    int Device(double units) const { return static_cast<int>(std::floor(units * Scale() + 0.5)); }

    void Click(gfx::Point at)
    {
        Window().Form().PointerDown(at, ui::LeftButton, 0);
        Window().Form().PointerUp(at, ui::LeftButton, 0);
    }
};

TEST_P(ScaledWindow, ControlsAreDrawnAndHitWhereTheirUnitsLieAtTheScale)
{
    ui::Form& form = Window().Form();
    EXPECT_EQ(form.Size(), (gfx::Size { 330, 500 })) << "the model keeps its units";
    EXPECT_EQ(form.PixelSize(), (gfx::Size { Device(330), Device(500) }));
    auto target = gfx::Image::Create(form.PixelSize().width, form.PixelSize().height);
    form.Paint(*target);

    // Captions are whole at the scale and stay clear of their boxes.
    for (int n = 0; n < 4; ++n) {
        ui::Label const& caption = *Controls().YSBQ[n];
        gfx::Size const text = m_text.MeasureText(caption.Text(), form.ScaledFont(caption.Style().font));
        EXPECT_GE(caption.PixelBounds().width, text.width) << n;
        EXPECT_LE(caption.PixelBounds().Right(), Controls().YSSR[n]->PixelBounds().x) << n;
    }

    // A tab is hit at its scaled place: the adjuster's, at unit 12 + 2 * 77 + 37, 186.
    Click({ Device(203), Device(186) });
    ASSERT_EQ(Window().CurrentPanel(), 2);

    // A press anywhere in the box takes the colour the box holds under that pixel, or on its frame
    // (the picture's outer pixels), the nearest pixel inside.
    ui::PictureBox const& box = *Controls().TSBK;
    gfx::Rect const inner = box.InnerBounds();
    gfx::Size const picture = box.Picture().Size();
    for (int k = 0; k < 10; ++k) {
        gfx::Point const at { inner.x + inner.width * k / 10, inner.Bottom() - 1 - inner.height * k / 10 };
        Click(at);
        int const x = std::clamp((at.x - inner.x) * picture.width / inner.width, 1, picture.width - 2);
        int const y = std::clamp((at.y - inner.y) * picture.height / inner.height, 1, picture.height - 2);
        ASSERT_EQ(Window().CurrentColour(), gfx::ColourFromPixel(*box.Picture().PixelAt(x, y))) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledWindow, ::testing::Values(120, 144, 168, 192));

}
