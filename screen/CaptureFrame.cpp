#include "screen/CaptureFrame.h"

#include "screen/Darken.h"
#include "screen/Desk.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace screen {

namespace {

constexpr int MagnifierGap = 121; // the box's height and the pixel between it and the frame
constexpr int MagnifierSide = 101;
// The second line of the information box starts this far below the first at least.
constexpr int MinimumLineStep = 14;

// The magnifier's box keeps its size on every monitor, so its two labels keep theirs.
platform::Font const MagnifierFont {};

// A text's rectangle with its top-left corner at a point.
gfx::Rect TextBounds(platform::TextRenderer& text, platform::Font const& font, gfx::Point at, std::string_view line)
{
    if (line.empty())
        return {};
    gfx::Size const size = text.MeasureText(line, font);
    return { at.x, at.y, size.width, size.height };
}

// A line of text whose glyphs fill `bounds`, measured beforehand.
void DrawLine(gfx::Painter& painter, platform::TextRenderer& text, platform::Font const& font, gfx::Rect bounds,
    std::string_view line)
{
    gfx::Point const shift = painter.Translation();
    gfx::Rect const box = bounds.Translated(shift.x, shift.y);
    gfx::Rect const clip = painter.ClipRect().Translated(shift.x, shift.y);
    if (box.IsEmpty() || clip.Intersected(box).IsEmpty())
        return;
    text.DrawText(painter.Target(), box, clip, line, { font, CaptureTextColour, platform::TextAlign::Left, false });
}

gfx::Rect TitleBox(gfx::Point at, CaptureAssets const& assets)
{
    return { at.x + 10, at.y + 4, assets.titleSize.width, assets.titleSize.height };
}

gfx::Rect HintBox(gfx::Point at, CaptureAssets const& assets)
{
    return { at.x + 10, at.y + 104, assets.hintSize.width, assets.hintSize.height };
}

constexpr std::string_view MagnifierTitle = "放大镜:";
constexpr std::string_view MagnifierHint = "按方向键微调.";

gfx::Rect TipBox(CaptureLayout const& layout, gfx::Size box) { return { layout.tipAt.x, layout.tipAt.y, box.width, box.height }; }

gfx::Rect MagnifierBox(gfx::Point at) { return { at.x, at.y, MagnifierBoxSize.width, MagnifierBoxSize.height }; }

// Everything a selection's bright area, frame and handles cover, taken from the rectangle as it is
// painted whatever the signs of its size: the handles lie one pixel around both ends of each side.
gfx::Rect SelectionArea(SelRect const& r)
{
    return { std::min(r.X, r.X + r.W) - 1, std::min(r.Y, r.Y + r.H) - 1, std::abs(r.W) + 3, std::abs(r.H) + 3 };
}

bool Upright(SelRect const& r) { return r.W >= 0 && r.H >= 0; }

// The parts of r outside hole, as up to four bands.
void AddOutside(std::vector<gfx::Rect>& out, gfx::Rect r, gfx::Rect hole)
{
    hole = hole.Intersected(r);
    if (hole.IsEmpty()) {
        out.push_back(r);
        return;
    }
    out.push_back({ r.x, r.y, r.width, hole.y - r.y });
    out.push_back({ r.x, hole.Bottom(), r.width, r.Bottom() - hole.Bottom() });
    out.push_back({ r.x, hole.y, hole.x - r.x, hole.height });
    out.push_back({ hole.Right(), hole.y, r.Right() - hole.Right(), hole.height });
}

gfx::Rect Union(gfx::Rect a, gfx::Rect b)
{
    int const left = std::min(a.x, b.x);
    int const top = std::min(a.y, b.y);
    return { left, top, std::max(a.Right(), b.Right()) - left, std::max(a.Bottom(), b.Bottom()) - top };
}

// Rectangles that overlap become their common bounds, until none overlap: the boxes of two
// successive frames mostly lie on each other.
std::vector<gfx::Rect> Joined(std::vector<gfx::Rect> areas)
{
    for (bool joined = true; joined;) {
        joined = false;
        for (std::size_t i = 0; i < areas.size() && !joined; ++i) {
            for (std::size_t j = i + 1; j < areas.size() && !joined; ++j) {
                if (areas[i].Intersected(areas[j]).IsEmpty())
                    continue;
                gfx::Rect const both = Union(areas[i], areas[j]);
                // Joining two thin bands of a large selection would repaint its whole inside.
                std::int64_t const apart = std::int64_t { areas[i].width } * areas[i].height
                    + std::int64_t { areas[j].width } * areas[j].height;
                if (std::int64_t { both.width } * both.height > 2 * apart)
                    continue;
                areas[i] = both;
                areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
                joined = true;
            }
        }
    }
    return areas;
}

// Steps up to the magnifier: the dark screen, the bright selection in its frame, the tip box.
void PaintBackground(gfx::Painter& painter, CaptureLayout const& layout, CaptureAssets const& assets,
    platform::TextRenderer& text)
{
    PaintDarkened(painter, *assets.snapshot);
    SelRect const& r = layout.rect;
    if (layout.bright) {
        painter.Blit({ r.X, r.Y }, *assets.snapshot, { r.X, r.Y, r.W, r.H });
        // Both corners lie on the outline: its right and bottom lines are just outside the selection.
        painter.DrawRect({ r.X, r.Y, r.W + 1, r.H + 1 }, SelectionFrameColour);
    }
    painter.FillRect(TipBox(layout, assets.tipBox), TipBoxColour);
    DrawLine(painter, text, assets.font, layout.line1Box, layout.line1);
    DrawLine(painter, text, assets.font, layout.line2Box, layout.line2);
}

void PaintMagnifier(gfx::Painter& painter, CaptureLayout const& layout, CaptureAssets const& assets,
    platform::TextRenderer& text, gfx::Image const* source)
{
    gfx::Point const at = *layout.magnifierAt;
    painter.FillRect({ at.x, at.y, MagnifierSide - 1, MagnifierGap - 1 }, MagnifierBoxColour);
    if (source) {
        constexpr int side = CaptureSourceSide * CaptureZoom;
        painter.StretchBlit({ at.x + 10, at.y + 20, side, side }, *source, source->Bounds());
    }
    painter.DrawRect(MagnifierBox(at), 0);
    DrawLine(painter, text, MagnifierFont, TitleBox(at, assets), MagnifierTitle);
    painter.DrawRect({ at.x + 9, at.y + 19, 82, 82 }, 0);
    DrawLine(painter, text, MagnifierFont, HintBox(at, assets), MagnifierHint);
}

void PaintHandles(gfx::Painter& painter, SelRect const& r)
{
    // Halves go to the even neighbour.
    int const cx = static_cast<int>(std::nearbyint(r.X + r.W / 2.0 - 1));
    int const cy = static_cast<int>(std::nearbyint(r.Y + r.H / 2.0 - 1));
    int const left = r.X - 1;
    int const right = r.X + r.W - 1;
    int const top = r.Y - 1;
    int const bottom = r.Y + r.H - 1;
    for (gfx::Point corner : { gfx::Point { left, top }, gfx::Point { cx, top }, gfx::Point { right, top },
             gfx::Point { left, cy }, gfx::Point { right, cy }, gfx::Point { left, bottom }, gfx::Point { cx, bottom },
             gfx::Point { right, bottom } })
        painter.FillRect({ corner.x, corner.y, 3, 3 }, SelectionFrameColour);
}

}

CaptureAssets CaptureAssets::Make(gfx::Image const& snapshot, platform::TextRenderer& text, int dpi)
{
    CaptureAssets assets;
    assets.snapshot = &snapshot;
    assets.tips = { "按住鼠标左键不变，移动鼠标进行选择截图区域", "按ESC键退出" + std::string(31, ' '),
        " 左键双击完成截图并退出，右键单击重新截图 " };
    assets.font.dpi = dpi;
    gfx::Size const line = text.MeasureText(assets.tips[2], assets.font);
    assets.tipBox = { line.width, 2 * line.height + 6 };
    assets.lineStep = std::max(line.height, MinimumLineStep);
    assets.titleSize = text.MeasureText(MagnifierTitle, MagnifierFont);
    assets.hintSize = text.MeasureText(MagnifierHint, MagnifierFont);
    return assets;
}

std::string SizeLabel(SelRect const& rect)
{
    return " 所选区域大小：" + std::to_string(rect.W) + " X " + std::to_string(rect.H) + std::string(20, ' ');
}

CaptureLayout LayOutCaptureFrame(Selection const& selection, platform::Desktop const& desk,
    CaptureAssets const& assets, platform::TextRenderer& text, CaptureMemory& memory)
{
    CaptureLayout layout;
    SelRect const& r = selection.Rect();
    layout.rect = r;
    layout.mouse = selection.Mouse();
    SelRect const& previous = memory.previousSelection;
    layout.bright = !(r == previous) || previous.W != 0 || previous.H != 0;
    if (layout.bright)
        memory.previousSelection = r;

    // Each rule below is a single screen's rule applied to one monitor `m`.
    gfx::Size const box = assets.tipBox;
    gfx::Point const mouse = layout.mouse;
    bool const idle = selection.State() == SelState::Idle;
    gfx::Rect const m = idle ? desk.MonitorAt(mouse).bounds : MonitorShowingMost(desk, { r.X, r.Y, r.W, r.H }, mouse).bounds;
    gfx::Point tip;
    if (idle) {
        layout.line1 = assets.tips[0];
        layout.line2 = assets.tips[1];
        tip.x = mouse.x < m.Right() - box.width - 2 ? mouse.x + 2 : m.Right() - box.width - 2;
        tip.y = mouse.y + 32 < m.Bottom() - box.height ? mouse.y + 32 : mouse.y - box.height;
    } else {
        layout.line1 = SizeLabel(r);
        layout.line2 = assets.tips[2];
        if (r.Y - m.y > box.height && !memory.magnifierAbove)
            tip = { std::min(r.X, m.Right() - box.width - 2), r.Y - box.height };
        else if (r.X - m.x > box.width)
            tip = { r.X - box.width, r.Y };
        else if (r.X + r.W < m.Right() - box.width)
            tip = { r.X + r.W, r.Y };
        else
            tip = { r.X, m.Bottom() - r.Y - r.H >= box.height ? r.Y + r.H : r.Y };
    }
    layout.tipAt = KeptOnMonitor({ tip.x, tip.y, box.width, box.height }, m, desk.bounds).Location();
    // Glyphs reaching past the box stop at the monitor's edge too.
    layout.line1Box
        = TextBounds(text, assets.font, { layout.tipAt.x + 2, layout.tipAt.y + 2 }, layout.line1).Intersected(m);
    layout.line2Box = TextBounds(text, assets.font, { layout.tipAt.x + 2, layout.tipAt.y + 2 + assets.lineStep },
        layout.line2)
                          .Intersected(m);

    if (r.W == 0 || r.H == 0)
        return layout;
    memory.magnifierAbove = false;
    switch (selection.State()) {
    case SelState::Drawing:
    case SelState::SizingRight:
    case SelState::SizingLeft:
    case SelState::SizingBottom:
    case SelState::SizingTop: {
        gfx::Point at;
        if (r.Y + r.H < m.Bottom() - MagnifierGap) {
            at = { std::max(r.X + r.W - 100, m.x), r.Y + r.H + 1 };
        } else if (r.Y - m.y >= MagnifierGap) {
            at = { r.X, r.Y - MagnifierGap };
            memory.magnifierAbove = true;
        } else if (r.X - m.x > MagnifierSide) {
            at = { r.X - MagnifierSide, r.Y + r.H - 120 };
        } else if (r.X + r.W > m.Right() - MagnifierSide) {
            at = { r.X + r.W - 100, r.Y };
        } else {
            at = { r.X + r.W + 1, r.Y + r.H - 120 };
        }
        layout.magnifierAt = KeptOnMonitor(MagnifierBox(at), m, desk.bounds).Location();
        break;
    }
    default:
        break;
    }
    layout.handles = true;
    return layout;
}

std::optional<gfx::Image> MagnifierSource(CaptureLayout const& layout, CaptureAssets const& assets,
    platform::TextRenderer& text)
{
    if (!layout.magnifierAt)
        return std::nullopt;
    // What lies off the screen shows black.
    auto source = gfx::Image::Create(CaptureSourceSide, CaptureSourceSide, gfx::MakePixel(0, 0, 0));
    if (!source)
        return std::nullopt;
    gfx::Painter painter(*source);
    painter.Translate(CaptureSourceSide / 2 - layout.mouse.x, CaptureSourceSide / 2 - layout.mouse.y);
    PaintBackground(painter, layout, assets, text);
    gfx::Point const at = *layout.magnifierAt;
    painter.FillRect({ at.x, at.y, MagnifierSide - 1, MagnifierGap - 1 }, MagnifierBoxColour);
    return source;
}

void PaintCaptureFrame(gfx::Painter& painter, CaptureLayout const& layout, CaptureAssets const& assets,
    platform::TextRenderer& text, gfx::Image const* magnifierSource)
{
    PaintBackground(painter, layout, assets, text);
    if (layout.magnifierAt)
        PaintMagnifier(painter, layout, assets, text, magnifierSource);
    if (layout.handles)
        PaintHandles(painter, layout.rect);
}

std::vector<gfx::Rect> ChangedAreas(std::optional<CaptureLayout> const& before, CaptureLayout const& after,
    gfx::Size screen, CaptureAssets const& assets)
{
    if (!before)
        return { { 0, 0, screen.width, screen.height } };
    if (*before == after)
        return {};
    std::vector<gfx::Rect> areas;
    // The boxes and their texts, which may reach past them.
    for (CaptureLayout const* layout : { &*before, &after }) {
        areas.push_back(TipBox(*layout, assets.tipBox));
        areas.push_back(layout->line1Box);
        areas.push_back(layout->line2Box);
        if (layout->magnifierAt) {
            gfx::Point const at = *layout->magnifierAt;
            areas.push_back(MagnifierBox(at));
            areas.push_back(TitleBox(at, assets));
            areas.push_back(HintBox(at, assets));
        }
    }
    // The selection: where the two differ. Deep inside both, the bright picture stays the same.
    if (before->bright && after.bright && Upright(before->rect) && Upright(after.rect)) {
        gfx::Rect const a = SelectionArea(before->rect);
        gfx::Rect const b = SelectionArea(after.rect);
        if (!(a == b)) {
            gfx::Rect const same = a.Inflated(-3).Intersected(b.Inflated(-3));
            AddOutside(areas, a, same);
            AddOutside(areas, b, same);
        }
    } else {
        if (before->bright)
            areas.push_back(SelectionArea(before->rect));
        if (after.bright)
            areas.push_back(SelectionArea(after.rect));
    }
    gfx::Rect const bounds { 0, 0, screen.width, screen.height };
    std::vector<gfx::Rect> visible;
    for (gfx::Rect const& area : areas) {
        gfx::Rect const inside = area.Intersected(bounds);
        if (!inside.IsEmpty())
            visible.push_back(inside);
    }
    return Joined(std::move(visible));
}


}
