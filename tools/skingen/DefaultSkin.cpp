#include "tools/skingen/DefaultSkin.h"

#include "tools/skingen/ChromeArt.h"
#include "tools/skingen/SharedPictures.h"
#include "tools/skingen/SkinIni.h"

#include <array>
#include <cassert>
#include <fstream>
#include <functional>

namespace skingen {

namespace {

// The built-in layout's values; keep them in step with app/MainWindowLayout.cpp.
constexpr gfx::Size Window { 330, 500 };
constexpr int TitleBand = 32;
constexpr int Margin = 12;
constexpr int PanelTop = 204;

constexpr gfx::Rect MinimiseButton { Window.width - 64, 4, 28, 24 };
constexpr gfx::Rect CloseButton { Window.width - 34, 4, 28, 24 };
constexpr gfx::Rect ColourBox { Margin, 44, 88, 96 };
constexpr gfx::Rect PickButton { 108, 44, 30, 30 };
constexpr gfx::Rect CaptureButton { 108, 82, 30, 30 };
constexpr gfx::Rect NotationBox(int n) { return { 200, 44 + 26 * n, 118, 22 }; }
constexpr gfx::Rect TabPlace(int n) { return { Margin + 77 * n, 174, 75, 24 }; }
constexpr gfx::Rect SeparatorPlace { Margin, Window.height - 34, Window.width - 2 * Margin, 1 };
constexpr gfx::Rect StripPlace { 0, Window.height - 26, Window.width, 26 };
constexpr gfx::Rect HotkeyInput(int j) { return { 130, PanelTop + 4 + 30 * j, 188, 22 }; }
constexpr gfx::Rect SaveButton { Window.width - Margin - 72, PanelTop + 190, 72, 28 };
constexpr gfx::Rect ChartBox { Margin, PanelTop + 4, 306, 160 };
constexpr gfx::Rect PictureBox { Margin, PanelTop + 172, 306, 72 };
constexpr gfx::Size HuePointerSize { 7, 11 };

struct Swatches {
    int columns;
    int side;
    int pitch;
    gfx::Point first;
};
constexpr Swatches RecentGrid { 9, 30, 34, { Margin, PanelTop + 24 } };
constexpr Swatches SavedGrid { 9, 30, 34, { Margin, PanelTop + 120 } };

std::string Indexed(std::string_view stem, int n) { return std::string(stem) + std::to_string(n); }

// The three keys of a button's images end in these, in the order normal, hover, pressed.
using StateKeys = std::array<std::string_view, 3>;
constexpr StateKeys UpperStates { "_ZC", "_JG", "_AX" };
constexpr StateKeys TabStates { "_zc", "_jg", "_ax" };
// The save button's keys are spelt one way for the first state and another for the rest.
constexpr StateKeys SaveStates { "_zc", "_JG", "_AX" };
using FileSuffixes = std::array<std::string_view, 3>;
constexpr FileSuffixes ButtonFiles { "_normal.png", "_hover.png", "_down.png" };
constexpr FileSuffixes TabFiles { "_normal.png", "_hover.png", "_selected.png" };

class SkinBuilder {
public:
    SkinIni ini;

    // key=name in the description, and the picture under that name; a name may be used by several
    // keys, always for the same picture.
    void Picture(std::string_view key, std::string const& name, gfx::Image const& image, FileFormat format)
    {
        ini.Name(key, name);
        std::string const path = "skin/" + std::string(DefaultSkinName) + "/" + name;
        Bytes bytes = EncodeImage(image, format);
        for (PackageFile const& file : m_files)
            if (file.path == path) {
                assert(file.bytes == bytes && "one name, two pictures");
                return;
            }
        m_files.push_back({ path, std::move(bytes) });
    }

    template <typename State>
    void ThreeStates(std::string_view prefix, StateKeys const& keys, std::string_view stem, FileSuffixes const& files,
        std::array<State, 3> states, std::function<gfx::Image(State)> const& draw)
    {
        for (std::size_t i = 0; i < 3; ++i)
            Picture(std::string(prefix) + std::string(keys[i]), std::string(stem) + std::string(files[i]),
                draw(states[i]), FileFormat::Png);
    }

    void Button(std::string_view prefix, StateKeys const& keys, std::string_view stem, gfx::Rect place,
        std::function<gfx::Image(ButtonState)> const& draw)
    {
        ThreeStates<ButtonState>(
            prefix, keys, stem, ButtonFiles, { ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed }, draw);
        ini.Geometry(prefix, place);
    }

    std::vector<PackageFile> TakeFiles() { return std::move(m_files); }

private:
    std::vector<PackageFile> m_files;
};

void Header(SkinBuilder& skin)
{
    skin.ini.Section("TouBu");
    skin.ini.Int("BeiJingTu_W", Window.width);
    skin.ini.Int("BeiJingTu_H", Window.height);
    WindowFrame frame { Window, TitleBand, { ColourBox },
        { TabPlace(0).x, TabPlace(0).y, TabPlace(3).Right() - Margin, 24 } };
    for (int n = 0; n < 4; ++n)
        frame.raised.push_back(NotationBox(n));
    skin.Picture("BeiJingTu", "background.png", WindowBackground(frame), FileFormat::Png);
    skin.ini.Position("BiaoTiLan", { Margin, 9 });
    // The whole title band left of the two buttons drags the window.
    skin.ini.Int("BTFW_W", MinimiseButton.x);
    skin.ini.Int("BTFW_H", TitleBand);
    skin.Button("AnNiu_ZXH", UpperStates, "min", MinimiseButton,
        [](ButtonState state) { return TitleButton(MinimiseButton.Size(), TitleGlyph::Minimise, state); });
    skin.Button("AnNiu_GB", UpperStates, "close", CloseButton,
        [](ButtonState state) { return TitleButton(CloseButton.Size(), TitleGlyph::Close, state); });
}

void PickArea(SkinBuilder& skin)
{
    skin.ini.Section("QuSeBu");
    skin.Button("QuSeTuBiao", UpperStates, "pick", PickButton,
        [](ButtonState state) { return RoundButton(PickButton.Size(), RoundGlyph::Pick, state); });
    skin.Button("JieTuTuBiao", UpperStates, "capture", CaptureButton,
        [](ButtonState state) { return RoundButton(CaptureButton.Size(), RoundGlyph::Capture, state); });
    skin.ini.Geometry("YanSeKuang", ColourBox);
    for (int n = 0; n < 4; ++n) {
        gfx::Rect const box = NotationBox(n);
        skin.ini.Position(Indexed("YanSeBiaoQian", n), { 146, box.y + 4 });
        skin.ini.Geometry(Indexed("YanSeZhiShi", n), box);
        skin.Picture(Indexed("BJT", n), "field.png", InputFrame(box.Size()), FileFormat::Png);
    }
    skin.ini.Position("TiShiBiaoQian", { 146, 153 });
    skin.ini.Position("DanXuanAnNiu", { Margin, 150 });
}

void TabStrip(SkinBuilder& skin)
{
    skin.ini.Section("MianBanTuBiaoBu");
    static constexpr std::array<std::string_view, 4> captions { "颜色", "色卡", "调色", "热键" };
    for (int n = 0; n < 4; ++n) {
        gfx::Rect const place = TabPlace(n);
        std::string_view const caption = captions[static_cast<std::size_t>(n)];
        skin.ThreeStates<TabState>(Indexed("AnNiu", n), TabStates, Indexed("tab", n), TabFiles,
            { TabState::Normal, TabState::Hover, TabState::Selected },
            [&](TabState state) { return Tab(place.Size(), caption, state); });
        skin.ini.Geometry(Indexed("AnNiu", n), place);
    }
    skin.ini.Geometry("FengGeXian", SeparatorPlace);
    skin.Picture("FengGeXian", "separator.png", Separator(SeparatorPlace.Size()), FileFormat::Png);
}

void Footer(SkinBuilder& skin)
{
    skin.ini.Section("DiBu");
    skin.ini.Geometry("DiBuTuPian", StripPlace);
    skin.Picture("DiBuTuPian", "bottom.png", BottomStrip(Window, StripPlace), FileFormat::Png);
}

void SwatchGrid(SkinBuilder& skin, std::string_view prefix, Swatches grid, std::string const& placeholder, bool plus)
{
    std::string const p(prefix);
    skin.ini.Int(p + "_HS", grid.columns);
    skin.ini.Int(p + "_DX", grid.side);
    skin.ini.Int(p + "_JL", grid.pitch);
    // The system's picture loader shows these, and it reads no PNG.
    skin.Picture(p + "_BJ", placeholder, EmptySwatch({ grid.side, grid.side }, plus), FileFormat::Bmp);
    skin.ini.Int(p + "_L", grid.first.x);
    skin.ini.Int(p + "_T", grid.first.y);
}

void Panels(SkinBuilder& skin)
{
    skin.ini.Section("MianBan0");
    skin.ini.Position("MB1BiaoQian0", { Margin, PanelTop + 4 });
    skin.ini.Position("MB1BiaoQian1", { Margin, PanelTop + 100 });
    SwatchGrid(skin, "YanSe0", RecentGrid, "slot_recent.bmp", false);
    SwatchGrid(skin, "YanSe1", SavedGrid, "slot_saved.bmp", true);

    skin.ini.Section("MianBan1");
    skin.ini.Geometry("YanSeKuang", ChartBox);
    skin.ini.Geometry("TuPianKuang", PictureBox);

    skin.ini.Section("MianBan2");
    skin.ini.Geometry("TiaoSeBan", { Margin, PanelTop + 4, 204, 204 });
    skin.ini.Geometry("TiaoSeTiao", { 236, PanelTop + 4, 13, 204 });
    skin.Picture("TiaoSeZZ", "hue_pointer.png", HuePointer(HuePointerSize), FileFormat::Png);
    skin.ini.Position("TiaoSeZZ", { 251, PanelTop + 100 });

    skin.ini.Section("MianBan3");
    skin.Picture("BJT", "hotkey_field.png", InputFrame(HotkeyInput(0).Size()), FileFormat::Png);
    for (int j = 0; j < 6; ++j) {
        skin.ini.Position(Indexed("BiaoQian", j), { Margin, HotkeyInput(j).y + 4 });
        skin.ini.Geometry(Indexed("KJShuRu", j), HotkeyInput(j));
    }
    skin.ini.Geometry("BeiZhuK", { Margin, PanelTop + 186, 220, 44 });
    skin.Button("ShiZhiAnNiu", SaveStates, "save", SaveButton,
        [](ButtonState state) { return CaptionButton(SaveButton.Size(), "保存", state); });
}

}

std::vector<PackageFile> DefaultSkinPackage()
{
    SkinBuilder skin;
    Header(skin);
    PickArea(skin);
    TabStrip(skin);
    Footer(skin);
    Panels(skin);

    std::vector<PackageFile> files;
    files.push_back({ "skin/logo.jpg", EncodeImage(Logo(PictureBox.Size()), FileFormat::Jpeg) });
    files.push_back({ "skin/ydys.bmp", EncodeImage(ColourChart(), FileFormat::Bmp) });
    std::string const ini = skin.ini.Text();
    files.push_back({ "skin/" + std::string(DefaultSkinName) + "/shizhi.ini", Bytes(ini.begin(), ini.end()) });
    for (PackageFile& picture : skin.TakeFiles())
        files.push_back(std::move(picture));
    return files;
}

std::optional<std::string> WritePackage(std::filesystem::path const& root, std::vector<PackageFile> const& files)
{
    for (PackageFile const& file : files) {
        std::filesystem::path const path = root / std::filesystem::path(file.path);
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (error)
            return "cannot make folder " + path.parent_path().string() + ": " + error.message();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<char const*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()));
        if (!out)
            return "cannot write " + path.string();
    }
    return std::nullopt;
}

}
