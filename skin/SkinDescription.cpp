#include "skin/SkinDescription.h"

#include <cstdint>
#include <limits>

namespace skin {

namespace {

// Image names are read with a 20-byte buffer; the background's alone with 50.
constexpr int ImageNameBytes = 20;
constexpr int BackgroundNameBytes = 50;

class Reader {
public:
    explicit Reader(INIDX& ini)
        : m_ini(ini)
    {
    }

    int Int(char const* section, std::string const& key) { return m_ini.ReadInt(section, key); }

    std::string Image(char const* section, std::string const& key, int bytes = ImageNameBytes)
    {
        return m_ini.ReadString(section, key, bytes);
    }

    Geometry GeometryOf(char const* section, std::string const& prefix)
    {
        return { Int(section, prefix + "_L"), Int(section, prefix + "_T"), Int(section, prefix + "_W"),
            Int(section, prefix + "_H") };
    }

    Position PositionOf(char const* section, std::string const& prefix)
    {
        return { Int(section, prefix + "_L"), Int(section, prefix + "_T") };
    }

    ButtonImages Images(char const* section, std::string const& prefix, char const* normal, char const* hover,
        char const* pressed)
    {
        return { Image(section, prefix + normal), Image(section, prefix + hover), Image(section, prefix + pressed) };
    }

    SwatchGrid Grid(char const* section, std::string const& prefix)
    {
        return { Int(section, prefix + "_HS"), Int(section, prefix + "_DX"), Int(section, prefix + "_JL"),
            Image(section, prefix + "_BJ"), Int(section, prefix + "_L"), Int(section, prefix + "_T") };
    }

private:
    INIDX& m_ini;
};

bool FitsInt16(std::int64_t value)
{
    return value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max();
}

}

SkinDescription ReadSkinDescription(INIDX& skinIni)
{
    Reader read(skinIni);
    SkinDescription skin;

    // The header's images are asked for under "toubu", its numbers under "TouBu": one section.
    skin.backgroundWidth = read.Int("TouBu", "BeiJingTu_W");
    skin.backgroundHeight = read.Int("TouBu", "BeiJingTu_H");
    skin.background = read.Image("toubu", "BeiJingTu", BackgroundNameBytes);
    skin.title = read.PositionOf("TouBu", "BiaoTiLan");
    skin.dragRegionWidth = static_cast<float>(read.Int("TouBu", "BTFW_W"));
    skin.dragRegionHeight = static_cast<float>(read.Int("TouBu", "BTFW_H"));
    skin.minimise = { read.Images("toubu", "AnNiu_ZXH", "_ZC", "_JG", "_AX"), read.GeometryOf("TouBu", "AnNiu_ZXH") };
    skin.close = { read.Images("toubu", "AnNiu_GB", "_ZC", "_JG", "_AX"), read.GeometryOf("TouBu", "AnNiu_GB") };

    skin.pick = { read.Images("QuSeBu", "QuSeTuBiao", "_ZC", "_JG", "_AX"), read.GeometryOf("QuSeBu", "QuSeTuBiao") };
    skin.capture
        = { read.Images("QuSeBu", "JieTuTuBiao", "_ZC", "_JG", "_AX"), read.GeometryOf("QuSeBu", "JieTuTuBiao") };
    skin.colourBox = read.GeometryOf("QuSeBu", "YanSeKuang");
    for (int n = 0; n < 4; ++n) {
        std::string const digit = std::to_string(n);
        skin.notationCaptions[n] = read.PositionOf("QuSeBu", "YanSeBiaoQian" + digit);
        skin.notationBoxes[n] = read.GeometryOf("QuSeBu", "YanSeZhiShi" + digit);
        skin.notationFrames[n] = read.Image("QuSeBu", "BJT" + digit);
    }
    skin.hint = read.PositionOf("QuSeBu", "TiShiBiaoQian");
    skin.copyPrefix = read.PositionOf("QuSeBu", "DanXuanAnNiu");

    for (int n = 0; n < 4; ++n) {
        std::string const prefix = "AnNiu" + std::to_string(n);
        skin.tabs[n] = { read.Images("MianBanTuBiaoBu", prefix, "_zc", "_jg", "_ax"),
            read.GeometryOf("MianBanTuBiaoBu", prefix) };
    }
    skin.separator = read.GeometryOf("MianBanTuBiaoBu", "FengGeXian");
    skin.separatorImage = read.Image("MianBanTuBiaoBu", "FengGeXian");

    skin.bottomStrip = read.GeometryOf("DiBu", "DiBuTuPian");
    skin.bottomImage = read.Image("DiBu", "DiBuTuPian");

    skin.listCaptions[0] = read.PositionOf("MianBan0", "MB1BiaoQian0");
    skin.listCaptions[1] = read.PositionOf("MianBan0", "MB1BiaoQian1");
    skin.recentGrid = read.Grid("MianBan0", "YanSe0");
    skin.savedGrid = read.Grid("MianBan0", "YanSe1");

    skin.chartBox = read.GeometryOf("MianBan1", "YanSeKuang");
    skin.pictureBox = read.GeometryOf("MianBan1", "TuPianKuang");

    skin.adjusterBox = read.GeometryOf("MianBan2", "TiaoSeBan");
    skin.hueStrip = read.GeometryOf("MianBan2", "TiaoSeTiao");
    skin.huePointer = read.Image("MianBan2", "TiaoSeZZ");
    skin.huePointerPosition = read.PositionOf("MianBan2", "TiaoSeZZ");

    skin.hotkeyFrame = read.Image("MianBan3", "BJT");
    for (int n = 0; n < 6; ++n) {
        std::string const digit = std::to_string(n);
        skin.hotkeyCaptions[n] = read.PositionOf("MianBan3", "BiaoQian" + digit);
        skin.hotkeyInputs[n] = read.GeometryOf("MianBan3", "KJShuRu" + digit);
    }
    skin.note = read.GeometryOf("MianBan3", "BeiZhuK");
    skin.save = { read.Images("MianBan3", "ShiZhiAnNiu", "_zc", "_JG", "_AX"), read.GeometryOf("MianBan3", "ShiZhiAnNiu") };
    return skin;
}

std::optional<SwatchPlace> SwatchPlaceOf(SwatchGrid const& grid, int index)
{
    if (grid.columns < 1 || index < 0)
        return std::nullopt;
    if (!FitsInt16(grid.columns) || !FitsInt16(grid.size) || !FitsInt16(grid.pitch) || !FitsInt16(grid.left)
        || !FitsInt16(grid.top))
        return std::nullopt;
    std::int64_t const left = std::int64_t { grid.left } + std::int64_t { grid.pitch } * (index % grid.columns);
    std::int64_t const top = std::int64_t { grid.top } + std::int64_t { grid.pitch } * (index / grid.columns);
    if (!FitsInt16(left) || !FitsInt16(top))
        return std::nullopt;
    return SwatchPlace { static_cast<int>(left), static_cast<int>(top), grid.size };
}

}
