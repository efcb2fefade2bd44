#include "tools/skingen/Preview.h"

#include "colour/Hsv.h"
#include "gfx/ImageDecoder.h"
#include "gfx/Painter.h"
#include "platform/portable/IniText.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/Shapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <span>
#include <string>

namespace skingen {

using namespace palette;

namespace {

constexpr int Gap = 16;
// What the desktop behind the window looks like in the preview.
constexpr Colour Desktop = MakeColour(96, 110, 128);

std::string Indexed(std::string_view stem, int n) { return std::string(stem) + std::to_string(n); }

class SkinReader {
public:
    // folder: the skin folder's path among the files, ending in "/".
    SkinReader(std::vector<PackageFile> const& files, std::string folder)
        : m_folder(std::move(folder))
    {
        for (PackageFile const& file : files) {
            if (file.path == m_folder + "shizhi.ini")
                m_ini.assign(file.bytes.begin(), file.bytes.end());
            m_bytes[file.path] = &file.bytes;
        }
    }

    bool HasDescription() const { return !m_ini.empty(); }

    int Int(std::string_view section, std::string const& key) const
    {
        auto const value = platform::ini::FindValue(m_ini, section, key);
        return value ? platform::ini::ParseLeadingInt(*value) : 0;
    }

    gfx::Rect Geometry(std::string_view section, std::string const& prefix) const
    {
        return { Int(section, prefix + "_L"), Int(section, prefix + "_T"), Int(section, prefix + "_W"),
            Int(section, prefix + "_H") };
    }

    gfx::Point Position(std::string_view section, std::string const& prefix) const
    {
        return { Int(section, prefix + "_L"), Int(section, prefix + "_T") };
    }

    // The picture a key names; nothing, and the preview fails, when the key or its file is missing.
    gfx::Image const* Picture(std::string_view section, std::string const& key)
    {
        auto const name = platform::ini::FindValue(m_ini, section, key);
        if (!name) {
            m_failed = true;
            return nullptr;
        }
        return File(m_folder + std::string(*name));
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
    std::string m_ini;
    std::string m_folder;
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
        , m_canvas(canvas)
        , m_painter(canvas)
    {
    }

    void Paint(int panel, gfx::Point at)
    {
        gfx::Painter::StateSaver saver(m_painter);
        int const w = m_skin.Int("TouBu", "BeiJingTu_W");
        int const h = m_skin.Int("TouBu", "BeiJingTu_H");
        m_painter.Translate(at.x, at.y);
        m_painter.AddClip({ 0, 0, w, h });
        m_origin = at;
        m_painter.FillRect({ 0, 0, w, h }, TransparentKeyColour);
        Show(m_painter, m_skin.Picture("toubu", "BeiJingTu"), { 0, 0, w, h });
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
        Bar(m_skin.Position("TouBu", "BiaoTiLan"), 3, WithAlpha(White, 200));
        for (std::string_view prefix : { "AnNiu_ZXH", "AnNiu_GB" })
            Show(m_painter, m_skin.Picture("toubu", std::string(prefix) + "_ZC"),
                m_skin.Geometry("TouBu", std::string(prefix)));
        for (std::string_view prefix : { "QuSeTuBiao", "JieTuTuBiao" })
            Show(m_painter, m_skin.Picture("QuSeBu", std::string(prefix) + "_ZC"),
                m_skin.Geometry("QuSeBu", std::string(prefix)));
        gfx::Rect const colourBox = m_skin.Geometry("QuSeBu", "YanSeKuang");
        m_painter.FillRect(colourBox, MakeColour(122, 122, 122));
        m_painter.FillRect({ colourBox.x + 1, colourBox.y + 1, colourBox.width - 2, colourBox.height - 2 }, PureRed);
        static constexpr std::array<int, 4> captionLengths { 3, 3, 4, 3 };
        static constexpr std::array<int, 4> valueLengths { 4, 4, 4, 6 };
        for (int n = 0; n < 4; ++n) {
            Bar(m_skin.Position("QuSeBu", Indexed("YanSeBiaoQian", n)), captionLengths[static_cast<std::size_t>(n)]);
            gfx::Rect const box = m_skin.Geometry("QuSeBu", Indexed("YanSeZhiShi", n));
            Show(m_painter, m_skin.Picture("QuSeBu", Indexed("BJT", n)), box);
            Bar({ box.x + 6, box.y + 4 }, valueLengths[static_cast<std::size_t>(n)], WithAlpha(Ink, 110));
        }
        Bar(m_skin.Position("QuSeBu", "TiShiBiaoQian"), 9, WithAlpha(Ink, 45));
        gfx::Point const check = m_skin.Position("QuSeBu", "DanXuanAnNiu");
        Fill(m_canvas, RoundedRect(Local(check).x + 1, Local(check).y + 3, 13, 13, 2), Accent);
        Bar({ check.x + 18, check.y + 2 }, 4);
        for (int n = 0; n < 4; ++n) {
            std::string const prefix = Indexed("AnNiu", n);
            Show(m_painter, m_skin.Picture("MianBanTuBiaoBu", prefix + (n == panel ? "_ax" : "_zc")),
                m_skin.Geometry("MianBanTuBiaoBu", prefix));
        }
    }

    void Grid(std::string const& prefix, int count, std::span<Colour const> filled)
    {
        int const columns = std::max(1, m_skin.Int("MianBan0", prefix + "_HS"));
        int const side = m_skin.Int("MianBan0", prefix + "_DX");
        int const pitch = m_skin.Int("MianBan0", prefix + "_JL");
        gfx::Point const first = m_skin.Position("MianBan0", prefix);
        gfx::Image const* placeholder = m_skin.Picture("MianBan0", prefix + "_BJ");
        for (int j = 0; j < count; ++j) {
            gfx::Rect const place { first.x + pitch * (j % columns), first.y + pitch * (j / columns), side, side };
            if (j < static_cast<int>(filled.size()))
                m_painter.FillRect(place, filled[static_cast<std::size_t>(j)]);
            else
                Show(m_painter, placeholder, place);
        }
    }

    void Swatches()
    {
        Bar(m_skin.Position("MianBan0", "MB1BiaoQian0"), 7);
        Bar(m_skin.Position("MianBan0", "MB1BiaoQian1"), 6);
        static constexpr std::array<Colour, 5> recent { MakeColour(255, 0, 0), MakeColour(45, 127, 249),
            MakeColour(123, 255, 255), MakeColour(250, 214, 72), MakeColour(60, 64, 67) };
        static constexpr std::array<Colour, 2> saved { MakeColour(72, 200, 120), MakeColour(238, 108, 188) };
        Grid("YanSe0", 18, recent);
        Grid("YanSe1", 36, saved);
    }

    void Chart()
    {
        PictureBox(m_painter, m_skin.File("skin/ydys.bmp"), { 247, 157 }, m_skin.Geometry("MianBan1", "YanSeKuang"));
        PictureBox(m_painter, m_skin.File("skin/logo.jpg"), { 111, 63 }, m_skin.Geometry("MianBan1", "TuPianKuang"));
    }

    void Adjuster()
    {
        gfx::Rect const box = m_skin.Geometry("MianBan2", "TiaoSeBan");
        gfx::Rect const strip = m_skin.Geometry("MianBan2", "TiaoSeTiao");
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
        gfx::Image const* pointer = m_skin.Picture("MianBan2", "TiaoSeZZ");
        if (pointer) {
            gfx::Point const at = m_skin.Position("MianBan2", "TiaoSeZZ");
            int const top = strip.y + strip.height * (360 - hue) / 360 - pointer->Height() / 2;
            Show(m_painter, pointer, { at.x, top, pointer->Width(), pointer->Height() });
        }
    }

    void Hotkeys()
    {
        static constexpr std::array<int, 6> captionLengths { 7, 4, 6, 6, 4, 5 };
        gfx::Image const* frame = m_skin.Picture("MianBan3", "BJT");
        for (int j = 0; j < 6; ++j) {
            Bar(m_skin.Position("MianBan3", Indexed("BiaoQian", j)), captionLengths[static_cast<std::size_t>(j)]);
            gfx::Rect const input = m_skin.Geometry("MianBan3", Indexed("KJShuRu", j));
            Show(m_painter, frame, input);
            Bar({ input.x + 6, input.y + 4 }, 5, WithAlpha(Ink, 110));
        }
        gfx::Rect const note = m_skin.Geometry("MianBan3", "BeiZhuK");
        for (int line = 0; line < 3; ++line)
            Bar({ note.x, note.y + 14 * line }, line == 2 ? 8 : 18, WithAlpha(Ink, 45));
        Show(m_painter, m_skin.Picture("MianBan3", "ShiZhiAnNiu_zc"), m_skin.Geometry("MianBan3", "ShiZhiAnNiu"));
    }

    void Footer()
    {
        Show(m_painter, m_skin.Picture("MianBanTuBiaoBu", "FengGeXian"),
            m_skin.Geometry("MianBanTuBiaoBu", "FengGeXian"));
        gfx::Rect const strip = m_skin.Geometry("DiBu", "DiBuTuPian");
        Show(m_painter, m_skin.Picture("DiBu", "DiBuTuPian"), strip);
        Bar({ strip.x + 10, strip.y + 7 }, 14, WithAlpha(Ink, 60));
    }

    SkinReader& m_skin;
    gfx::Image& m_canvas;
    gfx::Painter m_painter;
    gfx::Point m_origin;
};

// Every button and tab in its three states, each over the part of the background it covers.
void StatesSheet(SkinReader& skin, gfx::Image& canvas, gfx::Point at)
{
    using Keys = std::array<std::string_view, 3>;
    static constexpr Keys upper { "_ZC", "_JG", "_AX" };
    static constexpr Keys tab { "_zc", "_jg", "_ax" };
    static constexpr Keys save { "_zc", "_JG", "_AX" };
    struct Item {
        std::string_view section;
        std::string prefix;
        Keys keys;
    };
    std::vector<std::vector<Item>> const rows {
        { { "TouBu", "AnNiu_ZXH", upper }, { "TouBu", "AnNiu_GB", upper }, { "QuSeBu", "QuSeTuBiao", upper },
            { "QuSeBu", "JieTuTuBiao", upper }, { "MianBan3", "ShiZhiAnNiu", save } },
        { { "MianBanTuBiaoBu", "AnNiu0", tab }, { "MianBanTuBiaoBu", "AnNiu1", tab },
            { "MianBanTuBiaoBu", "AnNiu2", tab }, { "MianBanTuBiaoBu", "AnNiu3", tab } },
    };
    constexpr int margin = 3;
    gfx::Image const* background = skin.Picture("toubu", "BeiJingTu");
    gfx::Painter painter(canvas);
    int y = at.y;
    for (auto const& row : rows) {
        int x = at.x;
        int height = 0;
        for (Item const& item : row) {
            gfx::Rect const place = skin.Geometry(item.section, item.prefix);
            gfx::Rect const around { place.x - margin, place.y - margin, place.width + 2 * margin,
                place.height + 2 * margin };
            for (std::string_view key : item.keys) {
                if (background)
                    painter.BlendAlpha({ x, y }, *background, around);
                Show(painter, skin.Picture(item.section, item.prefix + std::string(key)),
                    { x + margin, y + margin, place.width, place.height });
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
    int const w = skin.Int("TouBu", "BeiJingTu_W");
    int const h = skin.Int("TouBu", "BeiJingTu_H");
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
