#include "skin/SkinDescription.h"

#include "skin/SkinKeys.h"

#include <cstdint>
#include <limits>
#include <type_traits>

namespace skin {

namespace {

bool FitsInt16(std::int64_t value)
{
    return value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max();
}

}

SkinDescription ReadSkinDescription(INIDX& skinIni)
{
    SkinDescription skin;
    ForEachSkinValue(
        skin,
        [&](std::string_view section, std::string const& key, auto& number) {
            number = static_cast<std::remove_reference_t<decltype(number)>>(skinIni.ReadInt(section, key));
        },
        [&](std::string_view section, std::string const& key, std::string& name, int bytes) {
            name = skinIni.ReadString(section, key, bytes);
        });
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
