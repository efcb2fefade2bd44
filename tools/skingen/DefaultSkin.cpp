#include "tools/skingen/DefaultSkin.h"

#include "tools/skingen/ChromeArt.h"
#include "tools/skingen/SharedPictures.h"

#include "skin/SkinDescription.h"
#include "skin/SkinDescriptionText.h"

#include <cassert>
#include <fstream>
#include <functional>

namespace skingen {

namespace {

// The picture's own size decides the pointer's; the description gives only its place.
constexpr gfx::Size HuePointerSize { 7, 11 };

gfx::Rect RectOf(skin::Geometry g) { return { g.left, g.top, g.width, g.height }; }
gfx::Size SizeOf(skin::Geometry g) { return { g.width, g.height }; }

// The pictures the description names, each drawn once.
class Pictures {
public:
    // A name may be used by several keys, always for the same picture.
    void Add(std::string const& name, gfx::Image const& image, FileFormat format)
    {
        std::string const path = "skin/" + std::string(DefaultSkinName) + "/" + name;
        Bytes bytes = EncodeImage(image, format);
        for (PackageFile const& file : m_files)
            if (file.path == path) {
                assert(file.bytes == bytes && "one name, two pictures");
                return;
            }
        m_files.push_back({ path, std::move(bytes) });
    }

    void Button(skin::Button const& button, std::function<gfx::Image(gfx::Size, ButtonState)> const& draw)
    {
        gfx::Size const size = SizeOf(button.geometry);
        Add(button.images.normal, draw(size, ButtonState::Normal), FileFormat::Png);
        Add(button.images.hover, draw(size, ButtonState::Hover), FileFormat::Png);
        Add(button.images.pressed, draw(size, ButtonState::Pressed), FileFormat::Png);
    }

    std::vector<PackageFile> Take() { return std::move(m_files); }

private:
    std::vector<PackageFile> m_files;
};

void Header(Pictures& pictures, skin::SkinDescription const& skin)
{
    gfx::Size const window { skin.backgroundWidth, skin.backgroundHeight };
    skin::Geometry const firstTab = skin.tabs[0].geometry;
    skin::Geometry const lastTab = skin.tabs[3].geometry;
    WindowFrame frame { window, static_cast<int>(skin.dragRegionHeight), { RectOf(skin.colourBox) },
        { firstTab.left, firstTab.top, lastTab.left + lastTab.width - firstTab.left, firstTab.height } };
    for (skin::Geometry box : skin.notationBoxes)
        frame.raised.push_back(RectOf(box));
    pictures.Add(skin.background, WindowBackground(frame), FileFormat::Png);
    pictures.Button(skin.minimise,
        [](gfx::Size size, ButtonState state) { return TitleButton(size, TitleGlyph::Minimise, state); });
    pictures.Button(
        skin.close, [](gfx::Size size, ButtonState state) { return TitleButton(size, TitleGlyph::Close, state); });
}

void PickArea(Pictures& pictures, skin::SkinDescription const& skin)
{
    pictures.Button(
        skin.pick, [](gfx::Size size, ButtonState state) { return RoundButton(size, RoundGlyph::Pick, state); });
    pictures.Button(
        skin.capture, [](gfx::Size size, ButtonState state) { return RoundButton(size, RoundGlyph::Capture, state); });
    for (std::size_t n = 0; n < 4; ++n)
        pictures.Add(skin.notationFrames[n], InputFrame(SizeOf(skin.notationBoxes[n])), FileFormat::Png);
}

void TabStrip(Pictures& pictures, skin::SkinDescription const& skin)
{
    for (std::size_t n = 0; n < 4; ++n) {
        skin::Button const& tab = skin.tabs[n];
        gfx::Size const size = SizeOf(tab.geometry);
        std::string_view const caption = skin::TabCaptions[n];
        pictures.Add(tab.images.normal, Tab(size, caption, TabState::Normal), FileFormat::Png);
        pictures.Add(tab.images.hover, Tab(size, caption, TabState::Hover), FileFormat::Png);
        pictures.Add(tab.images.pressed, Tab(size, caption, TabState::Selected), FileFormat::Png);
    }
    pictures.Add(skin.separatorImage, Separator(SizeOf(skin.separator)), FileFormat::Png);
}

void Footer(Pictures& pictures, skin::SkinDescription const& skin)
{
    gfx::Size const window { skin.backgroundWidth, skin.backgroundHeight };
    pictures.Add(skin.bottomImage, BottomStrip(window, RectOf(skin.bottomStrip)), FileFormat::Png);
}

void Panels(Pictures& pictures, skin::SkinDescription const& skin)
{
    // The system's picture loader shows the swatch placeholders, and it reads no PNG.
    pictures.Add(skin.recentGrid.placeholder, EmptySwatch({ skin.recentGrid.size, skin.recentGrid.size }, false),
        FileFormat::Bmp);
    pictures.Add(skin.savedGrid.placeholder, EmptySwatch({ skin.savedGrid.size, skin.savedGrid.size }, true),
        FileFormat::Bmp);
    pictures.Add(skin.huePointer, HuePointer(HuePointerSize), FileFormat::Png);
    pictures.Add(skin.hotkeyFrame, InputFrame(SizeOf(skin.hotkeyInputs[0])), FileFormat::Png);
    pictures.Button(
        skin.save, [](gfx::Size size, ButtonState state) { return CaptionButton(size, "保存", state); });
}

}

std::vector<PackageFile> DefaultSkinPackage()
{
    skin::SkinDescription const& skin = skin::DefaultSkinDescription();
    Pictures pictures;
    Header(pictures, skin);
    PickArea(pictures, skin);
    TabStrip(pictures, skin);
    Footer(pictures, skin);
    Panels(pictures, skin);

    std::vector<PackageFile> files;
    files.push_back({ "skin/logo.jpg", EncodeImage(Logo(SizeOf(skin.pictureBox)), FileFormat::Jpeg) });
    files.push_back({ "skin/ydys.bmp", EncodeImage(ColourChart(), FileFormat::Bmp) });
    std::string const ini = skin::SkinDescriptionText(skin);
    files.push_back({ "skin/" + std::string(DefaultSkinName) + "/shizhi.ini", Bytes(ini.begin(), ini.end()) });
    for (PackageFile& picture : pictures.Take())
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
