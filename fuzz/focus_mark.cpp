// Controls placed anywhere on a form of any size, at any DPI: the focus mark of each lies whole
// inside the window, also where the control reaches or passes the window's edge.
//
// Input: the DPI (24 and four times one byte), the form's width and height (two bytes each),
// then per control its left, top, width and height in units (two signed bytes each).

#include "Check.h"
#include "ui/Form.h"
#include "ui/Label.h"

#include <cstdint>
#include <string>

namespace {

class NoText final : public platform::TextRenderer {
public:
    void DrawText(gfx::Image&, gfx::Rect, gfx::Rect, std::string_view, platform::TextStyle const&) override { }
    gfx::Size MeasureText(std::string_view, platform::Font const&) override { return {}; }
};

int Signed(std::uint8_t const* bytes) { return static_cast<std::int16_t>(bytes[0] | bytes[1] << 8); }

}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    if (size < 5)
        return 0;
    NoText text;
    ui::Form form(text);
    form.SetDpi(24 + data[0] * 4);
    form.SetSize({ 1 + (data[1] | data[2] << 8) % 2000, 1 + (data[3] | data[4] << 8) % 2000 });
    for (std::size_t at = 5; at + 8 <= size && form.Controls().size() < 16; at += 8) {
        auto& control = form.Add<ui::Label>("L" + std::to_string(at));
        control.SetPlace({ static_cast<float>(Signed(data + at)), static_cast<float>(Signed(data + at + 2)),
            static_cast<float>(Signed(data + at + 4)), static_cast<float>(Signed(data + at + 6)) });
    }
    gfx::Size const window = form.PixelSize();
    for (auto const& control : form.Controls()) {
        form.MoveFocusTo(control.get());
        if (auto const mark = form.FocusMarkBounds()) {
            FUZZ_CHECK(mark->x >= 0 && mark->y >= 0);
            FUZZ_CHECK(mark->Right() <= window.width && mark->Bottom() <= window.height);
        }
    }
    return 0;
}
