#include "skin/SkinKeys.h"

#include <vector>

namespace skin {

namespace {

using D = SkinDescription;

constexpr std::array<std::string_view, 3> UpperStates { "_ZC", "_JG", "_AX" };
constexpr std::array<std::string_view, 3> TabStates { "_zc", "_jg", "_ax" };
// The save button's keys are spelt one way for the first state and another for the rest.
constexpr std::array<std::string_view, 3> SaveStates { "_zc", "_JG", "_AX" };

std::string Indexed(std::string_view stem, std::size_t n) { return std::string(stem) + std::to_string(n); }

std::vector<SkinKey> MakeTable()
{
    std::vector<SkinKey> keys;
    auto add = [&keys](std::string_view section, std::string key, auto kind) {
        keys.push_back({ section, std::move(key), kind });
    };

    // The header's images are asked for under "toubu", its numbers under "TouBu": one section.
    add("TouBu", "BeiJingTu_W", IntKey { FieldAt<int, &D::backgroundWidth>() });
    add("TouBu", "BeiJingTu_H", IntKey { FieldAt<int, &D::backgroundHeight>() });
    add("toubu", "BeiJingTu", ImageKey { FieldAt<std::string, &D::background>(), BackgroundNameBytes });
    add("TouBu", "BiaoTiLan", PositionKey { FieldAt<Position, &D::title>() });
    add("TouBu", "BTFW_W", FloatKey { FieldAt<float, &D::dragRegionWidth>() });
    add("TouBu", "BTFW_H", FloatKey { FieldAt<float, &D::dragRegionHeight>() });
    add("toubu", "AnNiu_ZXH", ButtonImagesKey { FieldAt<ButtonImages, &D::minimise, &Button::images>(), UpperStates });
    add("TouBu", "AnNiu_ZXH", GeometryKey { FieldAt<Geometry, &D::minimise, &Button::geometry>() });
    add("toubu", "AnNiu_GB", ButtonImagesKey { FieldAt<ButtonImages, &D::close, &Button::images>(), UpperStates });
    add("TouBu", "AnNiu_GB", GeometryKey { FieldAt<Geometry, &D::close, &Button::geometry>() });

    add("QuSeBu", "QuSeTuBiao", ButtonImagesKey { FieldAt<ButtonImages, &D::pick, &Button::images>(), UpperStates });
    add("QuSeBu", "QuSeTuBiao", GeometryKey { FieldAt<Geometry, &D::pick, &Button::geometry>() });
    add("QuSeBu", "JieTuTuBiao",
        ButtonImagesKey { FieldAt<ButtonImages, &D::capture, &Button::images>(), UpperStates });
    add("QuSeBu", "JieTuTuBiao", GeometryKey { FieldAt<Geometry, &D::capture, &Button::geometry>() });
    add("QuSeBu", "YanSeKuang", GeometryKey { FieldAt<Geometry, &D::colourBox>() });
    for (std::size_t n = 0; n < 4; ++n) {
        add("QuSeBu", Indexed("YanSeBiaoQian", n), PositionKey { FieldAt<Position, &D::notationCaptions>(n) });
        add("QuSeBu", Indexed("YanSeZhiShi", n), GeometryKey { FieldAt<Geometry, &D::notationBoxes>(n) });
        add("QuSeBu", Indexed("BJT", n), ImageKey { FieldAt<std::string, &D::notationFrames>(n) });
    }
    add("QuSeBu", "TiShiBiaoQian", PositionKey { FieldAt<Position, &D::hint>() });
    add("QuSeBu", "DanXuanAnNiu", PositionKey { FieldAt<Position, &D::copyPrefix>() });

    for (std::size_t n = 0; n < 4; ++n) {
        add("MianBanTuBiaoBu", Indexed("AnNiu", n),
            ButtonImagesKey { FieldAt<ButtonImages, &D::tabs, &Button::images>(n), TabStates });
        add("MianBanTuBiaoBu", Indexed("AnNiu", n), GeometryKey { FieldAt<Geometry, &D::tabs, &Button::geometry>(n) });
    }
    add("MianBanTuBiaoBu", "FengGeXian", GeometryKey { FieldAt<Geometry, &D::separator>() });
    add("MianBanTuBiaoBu", "FengGeXian", ImageKey { FieldAt<std::string, &D::separatorImage>() });

    add("DiBu", "DiBuTuPian", GeometryKey { FieldAt<Geometry, &D::bottomStrip>() });
    add("DiBu", "DiBuTuPian", ImageKey { FieldAt<std::string, &D::bottomImage>() });

    add("MianBan0", "MB1BiaoQian0", PositionKey { FieldAt<Position, &D::listCaptions>(0) });
    add("MianBan0", "MB1BiaoQian1", PositionKey { FieldAt<Position, &D::listCaptions>(1) });
    add("MianBan0", "YanSe0", GridKey { FieldAt<SwatchGrid, &D::recentGrid>() });
    add("MianBan0", "YanSe1", GridKey { FieldAt<SwatchGrid, &D::savedGrid>() });

    add("MianBan1", "YanSeKuang", GeometryKey { FieldAt<Geometry, &D::chartBox>() });
    add("MianBan1", "TuPianKuang", GeometryKey { FieldAt<Geometry, &D::pictureBox>() });

    add("MianBan2", "TiaoSeBan", GeometryKey { FieldAt<Geometry, &D::adjusterBox>() });
    add("MianBan2", "TiaoSeTiao", GeometryKey { FieldAt<Geometry, &D::hueStrip>() });
    add("MianBan2", "TiaoSeZZ", ImageKey { FieldAt<std::string, &D::huePointer>() });
    add("MianBan2", "TiaoSeZZ", PositionKey { FieldAt<Position, &D::huePointerPosition>() });

    add("MianBan3", "BJT", ImageKey { FieldAt<std::string, &D::hotkeyFrame>() });
    for (std::size_t j = 0; j < 6; ++j) {
        add("MianBan3", Indexed("BiaoQian", j), PositionKey { FieldAt<Position, &D::hotkeyCaptions>(j) });
        add("MianBan3", Indexed("KJShuRu", j), GeometryKey { FieldAt<Geometry, &D::hotkeyInputs>(j) });
    }
    add("MianBan3", "BeiZhuK", GeometryKey { FieldAt<Geometry, &D::note>() });
    add("MianBan3", "ShiZhiAnNiu", ButtonImagesKey { FieldAt<ButtonImages, &D::save, &Button::images>(), SaveStates });
    add("MianBan3", "ShiZhiAnNiu", GeometryKey { FieldAt<Geometry, &D::save, &Button::geometry>() });
    return keys;
}

}

std::span<SkinKey const> SkinKeys()
{
    static std::vector<SkinKey> const table = MakeTable();
    return table;
}

}
