// The default skin as the program reads it: generated into a folder of its own, read back through
// the program's INI reader and picture decoder. Also guards the committed package/skin against
// hand edits that the generator would undo.

#include "contract/TempFolder.h"
#include "gfx/ImageDecoder.h"
#include "platform/portable/IniText.h"
#include "tools/skingen/DefaultSkin.h"
#include "tools/skingen/Glyphs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace skingen;

namespace {

std::string Indexed(std::string const& stem, int n) { return stem + std::to_string(n); }
std::string Indexed(std::string const& stem, int n, std::string const& tail) { return Indexed(stem, n) + tail; }

// A picture key and the keys that give the size of the control showing it.
struct PictureKey {
    std::string section;
    std::string key;
    std::string widthKey;
    std::string heightKey;
    std::size_t maxNameBytes = 19;
};

std::vector<PictureKey> PictureKeys()
{
    std::vector<PictureKey> keys { { "toubu", "BeiJingTu", "BeiJingTu_W", "BeiJingTu_H", 49 } };
    auto states = [&](std::string const& section, std::string const& prefix, std::vector<std::string> const& suffixes) {
        for (std::string const& suffix : suffixes)
            keys.push_back({ section, prefix + suffix, prefix + "_W", prefix + "_H" });
    };
    // Header images are asked for under the lower-case section name, as the program does.
    states("toubu", "AnNiu_ZXH", { "_ZC", "_JG", "_AX" });
    states("toubu", "AnNiu_GB", { "_ZC", "_JG", "_AX" });
    states("QuSeBu", "QuSeTuBiao", { "_ZC", "_JG", "_AX" });
    states("QuSeBu", "JieTuTuBiao", { "_ZC", "_JG", "_AX" });
    for (int n = 0; n < 4; ++n) {
        keys.push_back(
            { "QuSeBu", Indexed("BJT", n), Indexed("YanSeZhiShi", n, "_W"), Indexed("YanSeZhiShi", n, "_H") });
        states("MianBanTuBiaoBu", Indexed("AnNiu", n), { "_zc", "_jg", "_ax" });
    }
    keys.push_back({ "MianBanTuBiaoBu", "FengGeXian", "FengGeXian_W", "FengGeXian_H" });
    keys.push_back({ "DiBu", "DiBuTuPian", "DiBuTuPian_W", "DiBuTuPian_H" });
    keys.push_back({ "MianBan0", "YanSe0_BJ", "YanSe0_DX", "YanSe0_DX" });
    keys.push_back({ "MianBan0", "YanSe1_BJ", "YanSe1_DX", "YanSe1_DX" });
    // Its size is its picture's own.
    keys.push_back({ "MianBan2", "TiaoSeZZ", "", "" });
    // One frame for all six hotkey inputs.
    for (int j = 0; j < 6; ++j)
        keys.push_back({ "MianBan3", "BJT", Indexed("KJShuRu", j, "_W"), Indexed("KJShuRu", j, "_H") });
    states("MianBan3", "ShiZhiAnNiu", { "_zc", "_JG", "_AX" });
    return keys;
}

// Every integer key the program reads; a missing one would silently read as 0.
std::vector<std::pair<std::string, std::string>> IntegerKeys()
{
    std::vector<std::pair<std::string, std::string>> keys;
    auto add = [&](std::string const& section, std::string const& prefix, std::string const& edges) {
        for (char edge : edges)
            keys.emplace_back(section, prefix + "_" + edge);
    };
    add("TouBu", "BeiJingTu", "WH");
    add("TouBu", "BiaoTiLan", "LT");
    add("TouBu", "BTFW", "WH");
    add("TouBu", "AnNiu_ZXH", "LTWH");
    add("TouBu", "AnNiu_GB", "LTWH");
    add("QuSeBu", "QuSeTuBiao", "LTWH");
    add("QuSeBu", "JieTuTuBiao", "LTWH");
    add("QuSeBu", "YanSeKuang", "LTWH");
    for (int n = 0; n < 4; ++n) {
        add("QuSeBu", Indexed("YanSeBiaoQian", n), "LT");
        add("QuSeBu", Indexed("YanSeZhiShi", n), "LTWH");
        add("MianBanTuBiaoBu", Indexed("AnNiu", n), "LTWH");
    }
    add("QuSeBu", "TiShiBiaoQian", "LT");
    add("QuSeBu", "DanXuanAnNiu", "LT");
    add("MianBanTuBiaoBu", "FengGeXian", "LTWH");
    add("DiBu", "DiBuTuPian", "LTWH");
    add("MianBan0", "MB1BiaoQian0", "LT");
    add("MianBan0", "MB1BiaoQian1", "LT");
    for (std::string grid : { "YanSe0", "YanSe1" }) {
        for (std::string key : { "_HS", "_DX", "_JL", "_L", "_T" })
            keys.emplace_back("MianBan0", grid + key);
    }
    add("MianBan1", "YanSeKuang", "LTWH");
    add("MianBan1", "TuPianKuang", "LTWH");
    add("MianBan2", "TiaoSeBan", "LTWH");
    add("MianBan2", "TiaoSeTiao", "LTWH");
    add("MianBan2", "TiaoSeZZ", "LT");
    for (int j = 0; j < 6; ++j) {
        add("MianBan3", Indexed("BiaoQian", j), "LT");
        add("MianBan3", Indexed("KJShuRu", j), "LTWH");
    }
    add("MianBan3", "BeiZhuK", "LTWH");
    add("MianBan3", "ShiZhiAnNiu", "LTWH");
    return keys;
}

bool IsSeeThrough(gfx::Pixel pixel) { return gfx::AlphaOfPixel(pixel) == 0 || (pixel & 0xFFFFFF) == 0x400040; }

class GeneratedSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<TempFolder>();
        ASSERT_EQ(WritePackage(s_folder->Path(), DefaultSkinPackage()), std::nullopt);
        auto const ini = ReadBytes(SkinFile("shizhi.ini"));
        ASSERT_TRUE(ini);
        s_ini = *ini;
    }

    static void TearDownTestSuite() { s_folder.reset(); }

    static std::string SkinFile(std::string const& name)
    {
        return s_folder->File("skin/" + std::string(DefaultSkinName) + "/" + name);
    }

    static std::string Value(std::string const& section, std::string const& key)
    {
        auto const value = platform::ini::FindValue(s_ini, section, key);
        return value ? std::string(*value) : std::string();
    }

    static int Int(std::string const& section, std::string const& key)
    {
        return platform::ini::ParseLeadingInt(Value(section, key));
    }

    static gfx::Rect Geometry(std::string const& section, std::string const& prefix)
    {
        return { Int(section, prefix + "_L"), Int(section, prefix + "_T"), Int(section, prefix + "_W"),
            Int(section, prefix + "_H") };
    }

    static std::optional<gfx::Image> Picture(std::string const& section, std::string const& key)
    {
        return gfx::LoadImageFile(SkinFile(Value(section, key)));
    }

    static inline std::unique_ptr<TempFolder> s_folder;
    static inline std::string s_ini;
};

TEST_F(GeneratedSkin, DescriptionIsAsciiWithCrLfLineEndsAndHasEveryIntegerKey)
{
    for (std::size_t i = 0; i < s_ini.size(); ++i) {
        auto const c = static_cast<unsigned char>(s_ini[i]);
        ASSERT_TRUE((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n') << "byte " << i;
        if (c == '\n') {
            ASSERT_TRUE(i > 0 && s_ini[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
    for (auto const& [section, key] : IntegerKeys()) {
        std::string const value = Value(section, key);
        EXPECT_FALSE(value.empty()) << section << "/" << key;
        EXPECT_EQ(value, std::to_string(platform::ini::ParseLeadingInt(value))) << section << "/" << key;
    }
}

TEST_F(GeneratedSkin, EveryPictureKeyNamesAShortFileThatDecodesAtItsControlsSize)
{
    for (PictureKey const& picture : PictureKeys()) {
        SCOPED_TRACE(picture.section + "/" + picture.key);
        std::string const name = Value(picture.section, picture.key);
        ASSERT_FALSE(name.empty());
        EXPECT_LE(name.size(), picture.maxNameBytes) << name << " would be cut";
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c > 0x20 && c < 0x7F; })) << name;
        auto const image = Picture(picture.section, picture.key);
        ASSERT_TRUE(image) << name;
        if (picture.widthKey.empty())
            continue;
        // The geometry keys live in the section's own spelling; the reader ignores case.
        EXPECT_EQ(image->Width(), Int(picture.section, picture.widthKey)) << name;
        EXPECT_EQ(image->Height(), Int(picture.section, picture.heightKey)) << name;
    }
}

TEST_F(GeneratedSkin, WindowOutlineIsSeeThroughWithoutFringeAndTheBottomStripFollowsIt)
{
    auto const background = Picture("toubu", "BeiJingTu");
    ASSERT_TRUE(background);
    int const w = background->Width();
    int const h = background->Height();
    for (gfx::Point corner : { gfx::Point { 0, 0 }, { w - 1, 0 }, { 0, h - 1 }, { w - 1, h - 1 } })
        EXPECT_TRUE(IsSeeThrough(*background->PixelAt(corner))) << corner.x << "," << corner.y;
    EXPECT_EQ(gfx::AlphaOfPixel(*background->PixelAt(w / 2, h / 2)), 255);
    EXPECT_EQ(gfx::AlphaOfPixel(*background->PixelAt(w / 2, 0)), 255);
    // A half-transparent edge would be blended with the key colour into a purple fringe.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int const alpha = gfx::AlphaOfPixel(*background->PixelAt(x, y));
            ASSERT_TRUE(alpha == 0 || alpha == 255) << x << "," << y;
        }

    // The strip covers the window's bottom corners, so it must cut them exactly as the background.
    gfx::Rect const strip = Geometry("DiBu", "DiBuTuPian");
    auto const stripImage = Picture("DiBu", "DiBuTuPian");
    ASSERT_TRUE(stripImage);
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < strip.width; ++x) {
            gfx::Pixel const own = *stripImage->PixelAt(x, y);
            ASSERT_TRUE(gfx::AlphaOfPixel(own) == 0 || gfx::AlphaOfPixel(own) == 255) << x << "," << y;
            ASSERT_EQ(IsSeeThrough(own), IsSeeThrough(*background->PixelAt(strip.x + x, strip.y + y))) << x << "," << y;
        }
}

TEST_F(GeneratedSkin, PicturesForTheSystemLoaderAreBmpOrJpegAndSharedOnesCoverTheShownRegion)
{
    for (std::string key : { "YanSe0_BJ", "YanSe1_BJ" }) {
        auto const bytes = ReadBytes(SkinFile(Value("MianBan0", key)));
        ASSERT_TRUE(bytes && bytes->starts_with("BM")) << key << " must be a picture the system loader reads";
    }
    auto const logo = ReadBytes(s_folder->File("skin/logo.jpg"));
    ASSERT_TRUE(logo && logo->starts_with("\xFF\xD8"));
    auto const chart = ReadBytes(s_folder->File("skin/ydys.bmp"));
    ASSERT_TRUE(chart && chart->size() > 30 && chart->starts_with("BM"));
    EXPECT_EQ(static_cast<unsigned char>((*chart)[28]), 24) << "24 bits a pixel";

    // The program shows these regions of them.
    auto const logoImage = gfx::LoadImageFile(s_folder->File("skin/logo.jpg"));
    ASSERT_TRUE(logoImage);
    EXPECT_GE(logoImage->Width(), 111);
    EXPECT_GE(logoImage->Height(), 63);
    auto const chartImage = gfx::LoadImageFile(s_folder->File("skin/ydys.bmp"));
    ASSERT_TRUE(chartImage);
    EXPECT_GE(chartImage->Width(), 247);
    EXPECT_GE(chartImage->Height(), 157);
}

TEST_F(GeneratedSkin, LayoutStaysInsideTheWindowAndTheGridsAboveTheSeparator)
{
    gfx::Rect const window { 0, 0, Int("TouBu", "BeiJingTu_W"), Int("TouBu", "BeiJingTu_H") };
    for (auto const& [section, key] : IntegerKeys()) {
        if (!key.ends_with("_W"))
            continue;
        std::string const prefix = key.substr(0, key.size() - 2);
        if (prefix == "BeiJingTu" || prefix == "BTFW")
            continue;
        gfx::Rect const place = Geometry(section, prefix);
        EXPECT_FALSE(place.IsEmpty()) << prefix;
        EXPECT_EQ(place.Intersected(window), place) << section << "/" << prefix << " leaves the window";
    }
    // The drag region must stop short of the buttons, or a press on them would drag.
    EXPECT_LE(Int("TouBu", "BTFW_W"), Int("TouBu", "AnNiu_ZXH_L"));

    int const separatorTop = Int("MianBanTuBiaoBu", "FengGeXian_T");
    for (auto const& [grid, count] : { std::pair { std::string("YanSe0"), 18 }, { std::string("YanSe1"), 36 } }) {
        int const columns = Int("MianBan0", grid + "_HS");
        ASSERT_GE(columns, 1);
        int const last = count - 1;
        int const right = Int("MianBan0", grid + "_L") + Int("MianBan0", grid + "_JL") * (last % columns)
            + Int("MianBan0", grid + "_DX");
        int const bottom = Int("MianBan0", grid + "_T") + Int("MianBan0", grid + "_JL") * (last / columns)
            + Int("MianBan0", grid + "_DX");
        EXPECT_LE(right, window.width) << grid;
        EXPECT_LE(bottom, separatorTop) << grid;
    }

    // The hue pointer sits right of the strip and inside the window.
    auto const pointer = Picture("MianBan2", "TiaoSeZZ");
    ASSERT_TRUE(pointer);
    gfx::Rect const strip = Geometry("MianBan2", "TiaoSeTiao");
    EXPECT_GE(Int("MianBan2", "TiaoSeZZ_L"), strip.Right());
    EXPECT_LE(Int("MianBan2", "TiaoSeZZ_L") + pointer->Width(), window.width);
}

TEST_F(GeneratedSkin, TabCaptionIsCentredOnTheSelectedTab)
{
    for (int n = 0; n < 4; ++n) {
        auto const tab = Picture("MianBanTuBiaoBu", Indexed("AnNiu", n, "_ax"));
        ASSERT_TRUE(tab);
        // The caption is the only white on the accent body.
        int left = tab->Width();
        int top = tab->Height();
        int right = -1;
        int bottom = -1;
        for (int y = 0; y < tab->Height(); ++y)
            for (int x = 0; x < tab->Width(); ++x)
                if ((*tab->PixelAt(x, y) & 0xFFFFFF) == 0xFFFFFF) {
                    left = std::min(left, x);
                    top = std::min(top, y);
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
        ASSERT_GE(right, 0) << "tab " << n << " has no caption";
        EXPECT_LE(std::abs(left - (tab->Width() - 1 - right)), 1) << "tab " << n;
        EXPECT_LE(std::abs(top - (tab->Height() - 1 - bottom)), 1) << "tab " << n;
    }
}

TEST(DefaultSkin, IsTheSameOnEveryRunAndIsWhatIsCommitted)
{
    auto const files = DefaultSkinPackage();
    auto const again = DefaultSkinPackage();
    ASSERT_EQ(files.size(), again.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(files[i].path, again[i].path);
        EXPECT_TRUE(files[i].bytes == again[i].bytes) << files[i].path << " differs between two runs";
    }

    // Regenerate with: cmake --build --preset native --target default_skin
    std::filesystem::path const package = PathFromText(PICKER_PACKAGE_DIR);
    std::set<std::string> made;
    for (PackageFile const& file : files) {
        made.insert(file.path);
        auto const committed = ReadBytes((package / file.path).string());
        ASSERT_TRUE(committed) << file.path << " is not in package/";
        EXPECT_TRUE(*committed == std::string(file.bytes.begin(), file.bytes.end()))
            << file.path << " in package/ is not what the generator draws";
    }
    for (auto const& entry : std::filesystem::recursive_directory_iterator(package / "skin")) {
        if (!entry.is_regular_file())
            continue;
        std::string const path = std::filesystem::relative(entry.path(), package).generic_string();
        EXPECT_TRUE(made.contains(path)) << path << " in package/ is not made by the generator";
    }
}

TEST(Glyphs, CoverEveryCaptionTheSkinBakesIn)
{
    for (std::string_view caption : { "颜色", "色卡", "调色", "热键", "保存" })
        EXPECT_TRUE(HasGlyphs(caption)) << caption;
    EXPECT_FALSE(HasGlyphs("取色"));
    EXPECT_EQ(CaptionWidth("保存"), 2 * GlyphSize + GlyphGap);
}

}
