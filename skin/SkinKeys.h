#pragma once
// Every key of a skin description in one table: its section, its key (or the prefix of a group of
// keys), the kind of value and the field of SkinDescription it fills. The reader and the skin
// generator both walk this table, so each key is spelt in one place, exactly as skins spell it:
// the header's images under "toubu" and its numbers under "TouBu", the tabs' "_zc/_jg/_ax", the
// save button's "_zc/_JG/_AX".

#include "skin/SkinDescription.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace skin {

// Image names are read with a 20-byte buffer; the background's alone with 50.
inline constexpr int ImageNameBytes = 20;
inline constexpr int BackgroundNameBytes = 50;

// Where a value lives in a description, reachable through a const one as well.
template <typename T>
struct Field {
    T& (*in)(SkinDescription&, std::size_t index);
    T const& (*of)(SkinDescription const&, std::size_t index);
    // The element when the path passes an array.
    std::size_t index = 0;

    T& operator()(SkinDescription& description) const { return in(description, index); }
    T const& operator()(SkinDescription const& description) const { return of(description, index); }
};

namespace detail {

template <typename T>
inline constexpr bool IsArray = false;
template <typename T, std::size_t N>
inline constexpr bool IsArray<std::array<T, N>> = true;

// Follows the members of Path from object; an array on the way is entered at `index`.
template <auto First, auto... Rest, typename Object>
auto& Walk(Object& object, std::size_t index)
{
    auto& member = object.*First;
    auto& value = [&]() -> auto& {
        if constexpr (IsArray<std::remove_cvref_t<decltype(member)>>)
            return member[index];
        else
            return member;
    }();
    if constexpr (sizeof...(Rest) == 0)
        return value;
    else
        return Walk<Rest...>(value, index);
}

}

// FieldAt<Geometry, &SkinDescription::tabs, &Button::geometry>(2): the geometry of the third tab.
template <typename T, auto... Path>
constexpr Field<T> FieldAt(std::size_t index = 0)
{
    return { [](SkinDescription& d, std::size_t i) -> T& { return detail::Walk<Path...>(d, i); },
        [](SkinDescription const& d, std::size_t i) -> T const& { return detail::Walk<Path...>(d, i); }, index };
}

struct IntKey {
    Field<int> field;
};
// An integer the window keeps as a single-precision value.
struct FloatKey {
    Field<float> field;
};
struct ImageKey {
    Field<std::string> field;
    int bytes = ImageNameBytes;
};
// prefix_L, prefix_T, prefix_W, prefix_H.
struct GeometryKey {
    Field<Geometry> field;
};
// prefix_L, prefix_T.
struct PositionKey {
    Field<Position> field;
};
// Three image names: the prefix with the normal, hover and pressed suffix.
struct ButtonImagesKey {
    Field<ButtonImages> field;
    std::array<std::string_view, 3> suffixes;
};
// prefix_HS, prefix_DX, prefix_JL, prefix_BJ (an image name), prefix_L, prefix_T.
struct GridKey {
    Field<SwatchGrid> field;
};

struct SkinKey {
    std::string_view section;
    std::string key;
    std::variant<IntKey, FloatKey, ImageKey, GeometryKey, PositionKey, ButtonImagesKey, GridKey> kind;
};

// In the order a description file lists them, section by section.
std::span<SkinKey const> SkinKeys();

// Calls number(section, key, value) with an int or float field and image(section, key, name,
// bytes) with an image-name field for every single key of the table, in its order. Description
// is SkinDescription or SkinDescription const.
template <typename Description, typename OnNumber, typename OnImage>
void ForEachSkinValue(Description& description, OnNumber&& number, OnImage&& image)
{
    for (SkinKey const& entry : SkinKeys()) {
        std::string_view const section = entry.section;
        std::string const& key = entry.key;
        std::visit(
            [&](auto const& kind) {
                using Kind = std::remove_cvref_t<decltype(kind)>;
                auto& value = kind.field(description);
                if constexpr (std::is_same_v<Kind, IntKey> || std::is_same_v<Kind, FloatKey>) {
                    number(section, key, value);
                } else if constexpr (std::is_same_v<Kind, ImageKey>) {
                    image(section, key, value, kind.bytes);
                } else if constexpr (std::is_same_v<Kind, GeometryKey>) {
                    number(section, key + "_L", value.left);
                    number(section, key + "_T", value.top);
                    number(section, key + "_W", value.width);
                    number(section, key + "_H", value.height);
                } else if constexpr (std::is_same_v<Kind, PositionKey>) {
                    number(section, key + "_L", value.left);
                    number(section, key + "_T", value.top);
                } else if constexpr (std::is_same_v<Kind, ButtonImagesKey>) {
                    image(section, key + std::string(kind.suffixes[0]), value.normal, ImageNameBytes);
                    image(section, key + std::string(kind.suffixes[1]), value.hover, ImageNameBytes);
                    image(section, key + std::string(kind.suffixes[2]), value.pressed, ImageNameBytes);
                } else {
                    static_assert(std::is_same_v<Kind, GridKey>);
                    number(section, key + "_HS", value.columns);
                    number(section, key + "_DX", value.size);
                    number(section, key + "_JL", value.pitch);
                    image(section, key + "_BJ", value.placeholder, ImageNameBytes);
                    number(section, key + "_L", value.left);
                    number(section, key + "_T", value.top);
                }
            },
            entry.kind);
    }
}

}
