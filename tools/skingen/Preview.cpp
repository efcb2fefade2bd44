#include "tools/skingen/Preview.h"

#include "colour/Hsv.h"
#include "gfx/ImageDecoder.h"
#include "gfx/Painter.h"
#include "platform/portable/IniText.h"
#include "skin/SkinKeys.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/Shapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <span>
#include <string>
#include <type_traits>

namespace skingen {

using namespace palette;

namespace {

constexpr int Gap = 16;
// What the desktop behind the window looks like in the preview.
constexpr Colour Desktop = MakeColour(96, 110, 128);

gfx::Rect RectOf(skin::Geometry g) { return { g.left, g.top, g.width, g.height }; }
gfx::Point PointOf(skin::Position p) { return { p.left, p.top }; }

class SkinReader {
public:
    // folder: the skin folder's path among the files, ending in "/".
    SkinReader(std::vector<PackageFile> const& files, std::string folder)
        : m_folder(std::move(folder))
    {
        std::string ini;
        for (PackageFile const& file : files) {
            if (file.path == m_folder + "shizhi.ini")
                ini.assign(file.bytes.begin(), file.bytes.end());
            m_bytes[file.path] = &file.bytes;
        }
        m_hasDescription = !ini.empty();
        // Every key as the program reads it: through the skin key table, names cut to their buffer.
        skin::ForEachSkinValue(
            m_description,
            [&](std::string_view section, std::string const& key, auto& number) {
                auto const value = platform::ini::FindValue(ini, section, key);
                number = static_cast<std::remove_reference_t<decltype(number)>>(
                    value ? platform::ini::ParseLeadingInt(*value) : 0);
            },
            [&](std::string_view section, std::string const& key, std::string& name, int bytes) {
                auto const value = platform::ini::FindValue(ini, section, key);
                name = value ? std::string(value->substr(0, static_cast<std::size_t>(bytes - 1))) : std::string();
            });
    }

    bool HasDescription() const { return m_hasDescription; }
    skin::SkinDescription const& Description() const { return m_description; }

    // The picture a name in the description gives; nothing, and the preview fails, when the name
    // is empty or its file is missing.
    gfx::Image const* Picture(std::string const& name)
    {
        if (name.empty()) {
            m_failed = true;
            return nullptr;
        }
        return File(m_folder + name);
    }

    // A file by its path below the program folder.
    gfx::Image const* File(std::string const& path)
    {
        auto decoded = m_decoded.find(path);
        if (decoded == m_decoded.end()) {
            auto const bytes = m_bytes.find(path);
            auto image = bytes == m_bytes.end() ? std::nullopt : gfx::DecodeImage(*bytes->second);
            if (!image) {
                m_failed = true;
                return nullptr;
            }
            decoded = m_decoded.emplace(path, std::move(*image)).first;
        }
        return &decoded->second;
    }

    bool Failed() const { return m_failed; }

private:
    std::string m_folder;
    skin::SkinDescription m_description;
    bool m_hasDescription = false;
    std::map<std::string, std::vector<std::uint8_t> const*> m_bytes;
    std::map<std::string, gfx::Image> m_decoded;
    bool m_failed = false;
};

void Show(gfx::Painter& painter, gfx::Image const* picture, gfx::Rect place)
{
    if (picture)
        painter.StretchBlendAlpha(place, *picture, picture->Bounds());
}

// Where a label's text would be: a bar as long as its characters, each 12 pixels wide.
void TextBar(gfx::Image& canvas, gfx::Point origin, int characters, gfx::Pixel colour)
{
    Fill(canvas, RoundedRect(origin.x, origin.y + 2, characters * 12, 9, 2), colour);
}

// A picture box showing the top-left region of a picture stretched over its inner area.
void PictureBox(gfx::Painter& painter, gfx::Image const* picture, gfx::Size region, gfx::Rect box)
{
    painter.FillRect(box, MakeColour(160, 160, 160));
    if (picture)
        painter.StretchBlit(
            { box.x + 1, box.y + 1, box.width - 2, box.height - 2 }, *picture, { 0, 0, region.width, region.height });
}

class WindowPainter {
public:
    WindowPainter(SkinReader& skin, gfx::Image& canvas)
        : m_skin(skin)
        , m_d(skin.Description())
        , m_canvas(canvas)
        , m_painter(canvas)
    {
    }

    void Paint(int panel, gfx::Point at)
    {
        gfx::Painter::StateSaver saver(m_painter);
        int const w = m_d.backgroundWidth;
        int const h = m_d.backgroundHeight;
        m_painter.Translate(at.x, at.y);
        m_painter.AddClip({ 0, 0, w, h });
        m_origin = at;
        m_painter.FillRect({ 0, 0, w, h }, TransparentKeyColour);
        Show(m_painter, m_skin.Picture(m_d.background), { 0, 0, w, h });
        Header(panel);
        if (panel == 0)
            Swatches();
        else if (panel == 1)
            Chart();
        else if (panel == 2)
            Adjuster();
        else
            Hotkeys();
        Footer();
        // The window shows its key colour as the desktop behind it.
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (m_canvas.PixelAt(at.x + x, at.y + y) == gfx::PixelFromColour(TransparentKeyColour))
                    m_canvas.SetPixel(at.x + x, at.y + y, gfx::PixelFromColour(Desktop));
    }

private:
    gfx::Point Local(gfx::Point p) const { return { p.x + m_origin.x, p.y + m_origin.y }; }

    void Bar(gfx::Point p, int characters, gfx::Pixel colour = WithAlpha(Ink, 70))
    {
        TextBar(m_canvas, Local(p), characters, colour);
    }

    void Header(int panel)
    {
        Bar(PointOf(m_d.title), 3, WithAlpha(White, 200));
        for (skin::Button const* button : { &m_d.minimise, &m_d.close, &m_d.pick, &m_d.capture })
            Show(m_painter, m_skin.Picture(button->images.normal), RectOf(button->geometry));
        gfx::Rect const colourBox = RectOf(m_d.colourBox);
        m_painter.FillRect(colourBox, MakeColour(122, 122, 122));
        m_painter.FillRect({ colourBox.x + 1, colourBox.y + 1, colourBox.width - 2, colourBox.height - 2 }, PureRed);
        static constexpr std::array<int, 4> captionLengths { 3, 3, 4, 3 };
        static constexpr std::array<int, 4> valueLengths { 4, 4, 4, 6 };
        for (std::size_t n = 0; n < 4; ++n) {
            Bar(PointOf(m_d.notationCaptions[n]), captionLengths[n]);
            gfx::Rect const box = RectOf(m_d.notationBoxes[n]);
            Show(m_painter, m_skin.Picture(m_d.notationFrames[n]), box);
            Bar({ box.x + 6, box.y + 4 }, valueLengths[n], WithAlpha(Ink, 110));
        }
        Bar(PointOf(m_d.hint), 9, WithAlpha(Ink, 45));
        gfx::Point const check = PointOf(m_d.copyPrefix);
        Fill(m_canvas, RoundedRect(Local(check).x + 1, Local(check).y + 3, 13, 13, 2), Accent);
        Bar({ check.x + 18, check.y + 2 }, 4);
        for (std::size_t n = 0; n < 4; ++n) {
            skin::Button const& tab = m_d.tabs[n];
            Show(m_painter, m_skin.Picture(static_cast<int>(n) == panel ? tab.images.pressed : tab.images.normal),
                RectOf(tab.geometry));
        }
    }

    void Grid(skin::SwatchGrid const& grid, int count, std::span<Colour const> filled)
    {
        int const columns = std::max(1, grid.columns);
        gfx::Image const* placeholder = m_skin.Picture(grid.placeholder);
        for (int j = 0; j < count; ++j) {
            gfx::Rect const place { grid.left + grid.pitch * (j % columns), grid.top + grid.pitch * (j / columns),
                grid.size, grid.size };
            if (j < static_cast<int>(filled.size()))
                m_painter.FillRect(place, filled[static_cast<std::size_t>(j)]);
            else
                Show(m_painter, placeholder, place);
        }
    }

    void Swatches()
    {
        Bar(PointOf(m_d.listCaptions[0]), 7);
        Bar(PointOf(m_d.listCaptions[1]), 6);
        static constexpr std::array<Colour, 5> recent { MakeColour(255, 0, 0), MakeColour(45, 127, 249),
            MakeColour(123, 255, 255), MakeColour(250, 214, 72), MakeColour(60, 64, 67) };
        static constexpr std::array<Colour, 2> saved { MakeColour(72, 200, 120), MakeColour(238, 108, 188) };
        Grid(m_d.recentGrid, 18, recent);
        Grid(m_d.savedGrid, 36, saved);
    }

    void Chart()
    {
        PictureBox(m_painter, m_skin.File("skin/ydys.bmp"), { 247, 157 }, RectOf(m_d.chartBox));
        PictureBox(m_painter, m_skin.File("skin/logo.jpg"), { 111, 63 }, RectOf(m_d.pictureBox));
    }

    void Adjuster()
    {
        gfx::Rect const box = RectOf(m_d.adjusterBox);
        gfx::Rect const strip = RectOf(m_d.hueStrip);
        constexpr int hue = 180;
        for (int y = 1; y + 1 < box.height; ++y)
            for (int x = 1; x + 1 < box.width; ++x)
                m_painter.FillRect({ box.x + x, box.y + y, 1, 1 },
                    GG::HsvToColour(hue, static_cast<std::int16_t>(100 * x / box.width),
                        static_cast<std::int16_t>(100 - 100 * y / box.height)));
        m_painter.DrawRect(box, MakeColour(160, 160, 160));
        for (int y = 1; y + 1 < strip.height; ++y)
            m_painter.FillRect({ strip.x + 1, strip.y + y, strip.width - 2, 1 },
                GG::HsvToColour(static_cast<std::int16_t>(360 - 360 * y / strip.height), 100, 100));
        m_painter.DrawRect(strip, 0xCFA008);
        gfx::Image const* pointer = m_skin.Picture(m_d.huePointer);
        if (pointer) {
            int const top = strip.y + strip.height * (360 - hue) / 360 - pointer->Height() / 2;
            Show(m_painter, pointer, { m_d.huePointerPosition.left, top, pointer->Width(), pointer->Height() });
        }
    }

    void Hotkeys()
    {
        static constexpr std::array<int, 6> captionLengths { 7, 4, 6, 6, 4, 5 };
        gfx::Image const* frame = m_skin.Picture(m_d.hotkeyFrame);
        for (std::size_t j = 0; j < 6; ++j) {
            Bar(PointOf(m_d.hotkeyCaptions[j]), captionLengths[j]);
            gfx::Rect const input = RectOf(m_d.hotkeyInputs[j]);
            Show(m_painter, frame, input);
            Bar({ input.x + 6, input.y + 4 }, 5, WithAlpha(Ink, 110));
        }
        gfx::Rect const note = RectOf(m_d.note);
        for (int line = 0; line < 3; ++line)
            Bar({ note.x, note.y + 14 * line }, line == 2 ? 8 : 18, WithAlpha(Ink, 45));
        Show(m_painter, m_skin.Picture(m_d.save.images.normal), RectOf(m_d.save.geometry));
    }

    void Footer()
    {
        Show(m_painter, m_skin.Picture(m_d.separatorImage), RectOf(m_d.separator));
        gfx::Rect const strip = RectOf(m_d.bottomStrip);
        Show(m_painter, m_skin.Picture(m_d.bottomImage), strip);
        Bar({ strip.x + 10, strip.y + 7 }, 14, WithAlpha(Ink, 60));
    }

    SkinReader& m_skin;
    skin::SkinDescription const& m_d;
    gfx::Image& m_canvas;
    gfx::Painter m_painter;
    gfx::Point m_origin;
};

// Every button and tab in its three states, each over the part of the background it covers.
void StatesSheet(SkinReader& skin, gfx::Image& canvas, gfx::Point at)
{
    skin::SkinDescription const& d = skin.Description();
    std::vector<std::vector<skin::Button const*>> const rows {
        { &d.minimise, &d.close, &d.pick, &d.capture, &d.save },
        { &d.tabs[0], &d.tabs[1], &d.tabs[2], &d.tabs[3] },
    };
    constexpr int margin = 3;
    gfx::Image const* background = skin.Picture(d.background);
    gfx::Painter painter(canvas);
    int y = at.y;
    for (auto const& row : rows) {
        int x = at.x;
        int height = 0;
        for (skin::Button const* button : row) {
            gfx::Rect const place = RectOf(button->geometry);
            gfx::Rect const around { place.x - margin, place.y - margin, place.width + 2 * margin,
                place.height + 2 * margin };
            for (std::string const* name : { &button->images.normal, &button->images.hover, &button->images.pressed }) {
                if (background)
                    painter.BlendAlpha({ x, y }, *background, around);
                Show(painter, skin.Picture(*name), { x + margin, y + margin, place.width, place.height });
                x += around.width + 4;
            }
            x += 12;
            height = std::max(height, around.height);
        }
        y += height + 8;
    }
}

}

std::optional<gfx::Image> ComposePreview(std::vector<PackageFile> const& files)
{
    SkinReader skin(files, "skin/" + std::string(DefaultSkinName) + "/");
    if (!skin.HasDescription())
        return std::nullopt;
    int const w = skin.Description().backgroundWidth;
    int const h = skin.Description().backgroundHeight;
    auto canvas = gfx::Image::Create(Gap + 4 * (w + Gap), 3 * Gap + h + 80, gfx::PixelFromColour(Desktop));
    if (!canvas)
        return std::nullopt;
    WindowPainter window(skin, *canvas);
    for (int panel = 0; panel < 4; ++panel)
        window.Paint(panel, { Gap + panel * (w + Gap), Gap });
    StatesSheet(skin, *canvas, { Gap, 2 * Gap + h });
    if (skin.Failed())
        return std::nullopt;
    return std::move(*canvas);
}

}
