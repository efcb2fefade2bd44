#pragma once
// What one frame of the capture tool shows, worked out from the selection alone, and how it is
// painted. The frame is the darkened screen with the selection at full brightness in a teal
// frame with eight handles, an information box (help near the pointer, or the selection's size),
// and while a selection is drawn or resized a magnifier of the overlay's own picture around the
// pointer. A frame is a pure function of its layout: two equal layouts show the same pixels, so
// only the places where two successive layouts differ need painting again.

#include "gfx/Image.h"
#include "gfx/Painter.h"
#include "platform/Screen.h"
#include "platform/TextRenderer.h"
#include "screen/Selection.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace screen {

inline constexpr Colour SelectionFrameColour = 0xC0C000;
inline constexpr Colour TipBoxColour = MakeColour(253, 249, 213);
inline constexpr Colour MagnifierBoxColour = 0xE0E0E0;
inline constexpr Colour CaptureTextColour = 0;
inline constexpr gfx::Size MagnifierBoxSize { 101, 121 };
// The 20 x 20 pixels around the pointer, enlarged four times.
inline constexpr int CaptureSourceSide = 20;
inline constexpr int CaptureZoom = 4;

// What every frame of one capture shares, made once when the capture opens.
struct CaptureAssets {
    // The frozen screen; it outlives the capture. The dark background is worked out from it
    // wherever a frame is painted, so no darkened copy of the whole screen is kept.
    gfx::Image const* snapshot = nullptr;
    std::array<std::string, 3> tips;
    // The information box's texts are drawn in this font, at the scale of the monitor the capture
    // opened on; the box and the step to its second line are measured with it.
    platform::Font font;
    gfx::Size tipBox;
    int lineStep = 0;
    // The magnifier's title and hint as the renderer measures them.
    gfx::Size titleSize;
    gfx::Size hintSize;

    // The help texts, and the information box measured with the user-interface font at that DPI.
    static CaptureAssets Make(gfx::Image const& snapshot, platform::TextRenderer& text, int dpi = platform::DefaultDpi);
};

// The size label for a selection.
std::string SizeLabel(SelRect const& rect);

struct CaptureLayout {
    SelRect rect;
    // The selection's bright area and frame are painted (also once for an emptied selection).
    bool bright = false;
    gfx::Point tipAt;
    std::string line1;
    std::string line2;
    // Where the two lines' glyphs go; they may reach past the box.
    gfx::Rect line1Box;
    gfx::Rect line2Box;
    bool handles = false;
    std::optional<gfx::Point> magnifierAt;
    gfx::Point mouse;

    friend bool operator==(CaptureLayout const&, CaptureLayout const&) = default;
};

// The loop's memory from one frame to the next.
struct CaptureMemory {
    SelRect previousSelection;
    bool magnifierAbove = false;
};

// Lays out the next frame for the selection on the desk (in overlay pixels), and moves the memory
// on. The boxes are placed by the edges of one monitor: the help box by the pointer's, the boxes
// around a selection by the monitor that shows most of it.
CaptureLayout LayOutCaptureFrame(Selection const& selection, platform::Desktop const& desk,
    CaptureAssets const& assets, platform::TextRenderer& text, CaptureMemory& memory);

// What the magnifier enlarges: the frame's own picture around the pointer as it is when the
// magnifier is drawn (its box's fill included). Nothing when the layout has no magnifier.
std::optional<gfx::Image> MagnifierSource(CaptureLayout const& layout, CaptureAssets const& assets,
    platform::TextRenderer& text);

// Paints the frame over the whole image (or only inside the painter's clip), with the
// magnifier's source worked out beforehand.
void PaintCaptureFrame(gfx::Painter& painter, CaptureLayout const& layout, CaptureAssets const& assets,
    platform::TextRenderer& text, gfx::Image const* magnifierSource);

// The places that may differ between the pictures of two layouts (`before` is nothing for the
// first frame, which differs everywhere). Overlapping places are joined.
std::vector<gfx::Rect> ChangedAreas(std::optional<CaptureLayout> const& before, CaptureLayout const& after,
    gfx::Size screen, CaptureAssets const& assets);

}
