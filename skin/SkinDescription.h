#pragma once
// What a skin's shizhi.ini says: every image name and every position and size of the main
// window's controls, read once and checked where it is read. A missing key reads as 0 or an empty
// name; values the window cannot use (a grid with no columns, swatches outside the 16-bit range)
// are marked unusable here, so applying a skin never meets them unchecked.

#include "shell/IniStore.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace skin {

struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(Geometry const&) const = default;
};

struct Position {
    int left = 0;
    int top = 0;

    bool operator==(Position const&) const = default;
};

// Normal, hover and pressed (for a tab: selected) image names, as written in the skin.
struct ButtonImages {
    std::string normal;
    std::string hover;
    std::string pressed;

    bool operator==(ButtonImages const&) const = default;
};

struct Button {
    ButtonImages images;
    Geometry geometry;

    bool operator==(Button const&) const = default;
};

struct SwatchGrid {
    int columns = 0;
    int size = 0;
    int pitch = 0;
    std::string placeholder;
    int left = 0;
    int top = 0;

    bool operator==(SwatchGrid const&) const = default;
};

struct SkinDescription {
    // Header.
    int backgroundWidth = 0;
    int backgroundHeight = 0;
    std::string background;
    Position title;
    float dragRegionWidth = 0;
    float dragRegionHeight = 0;
    Button minimise;
    Button close;

    // Pick area.
    Button pick;
    Button capture;
    Geometry colourBox;
    std::array<Position, 4> notationCaptions {};
    std::array<Geometry, 4> notationBoxes {};
    std::array<std::string, 4> notationFrames {};
    Position hint;
    Position copyPrefix;

    // Tabs.
    std::array<Button, 4> tabs {};
    Geometry separator;
    std::string separatorImage;

    // Bottom strip.
    Geometry bottomStrip;
    std::string bottomImage;

    // Panel 0.
    std::array<Position, 2> listCaptions {};
    SwatchGrid recentGrid;
    SwatchGrid savedGrid;

    // Panel 1.
    Geometry chartBox;
    Geometry pictureBox;

    // Panel 2.
    Geometry adjusterBox;
    Geometry hueStrip;
    std::string huePointer;
    Position huePointerPosition;

    // Panel 3.
    std::string hotkeyFrame;
    std::array<Position, 6> hotkeyCaptions {};
    std::array<Geometry, 6> hotkeyInputs {};
    Geometry note;
    Button save;

    bool operator==(SkinDescription const&) const = default;
};

// Reads every value through the skin's INI store.
SkinDescription ReadSkinDescription(INIDX& skinIni);

// The shipped skin "Flat": its generator writes this description, and the window's built-in
// layout places its controls from the same values, so the window looks alike with and without
// its skin folder.
SkinDescription const& DefaultSkinDescription();

// The captions of the four panel tabs; the default skin bakes them into its tab pictures.
inline constexpr std::array<std::string_view, 4> TabCaptions { "颜色", "色卡", "调色", "热键" };

// Where swatch `index` of a grid goes, in 16-bit arithmetic as the grid's values are defined;
// nothing when the grid cannot be laid out (no columns, or a value or result outside the signed
// 16-bit range).
struct SwatchPlace {
    int left;
    int top;
    int size;
};
std::optional<SwatchPlace> SwatchPlaceOf(SwatchGrid const& grid, int index);

}
