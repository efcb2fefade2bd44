#include "skin/SkinDescription.h"

namespace skin {

namespace {

constexpr int WindowWidth = 330;
constexpr int WindowHeight = 500;
constexpr int TitleBand = 32;
constexpr int Margin = 12;
constexpr int PanelTop = 204;

ButtonImages Pictures(std::string const& stem, char const* pressed = "_down.png")
{
    return { stem + "_normal.png", stem + "_hover.png", stem + pressed };
}

SkinDescription MakeDefault()
{
    SkinDescription skin;
    skin.backgroundWidth = WindowWidth;
    skin.backgroundHeight = WindowHeight;
    skin.background = "background.png";
    skin.title = { Margin, 9 };
    skin.minimise = { Pictures("min"), { WindowWidth - 64, 4, 28, 24 } };
    skin.close = { Pictures("close"), { WindowWidth - 34, 4, 28, 24 } };
    // The whole title band left of the two buttons drags the window.
    skin.dragRegionWidth = static_cast<float>(skin.minimise.geometry.left);
    skin.dragRegionHeight = TitleBand;

    skin.pick = { Pictures("pick"), { 108, 44, 30, 30 } };
    skin.capture = { Pictures("capture"), { 108, 82, 30, 30 } };
    skin.colourBox = { Margin, 44, 88, 96 };
    for (std::size_t n = 0; n < 4; ++n) {
        int const top = 44 + 26 * static_cast<int>(n);
        skin.notationCaptions[n] = { 146, top + 4 };
        skin.notationBoxes[n] = { 200, top, 118, 22 };
        skin.notationFrames[n] = "field.png";
    }
    skin.hint = { 146, 153 };
    skin.copyPrefix = { Margin, 150 };

    for (std::size_t n = 0; n < 4; ++n)
        skin.tabs[n] = { Pictures("tab" + std::to_string(n), "_selected.png"),
            { Margin + 77 * static_cast<int>(n), 174, 75, 24 } };
    skin.separator = { Margin, WindowHeight - 34, WindowWidth - 2 * Margin, 1 };
    skin.separatorImage = "separator.png";

    skin.bottomStrip = { 0, WindowHeight - 26, WindowWidth, 26 };
    skin.bottomImage = "bottom.png";

    skin.listCaptions = { Position { Margin, PanelTop + 4 }, Position { Margin, PanelTop + 100 } };
    // The placeholders are shown by the system's picture loader, which reads no PNG.
    skin.recentGrid = { 9, 30, 34, "slot_recent.bmp", Margin, PanelTop + 24 };
    skin.savedGrid = { 9, 30, 34, "slot_saved.bmp", Margin, PanelTop + 120 };

    skin.chartBox = { Margin, PanelTop + 4, 306, 160 };
    skin.pictureBox = { Margin, PanelTop + 172, 306, 72 };

    skin.adjusterBox = { Margin, PanelTop + 4, 204, 204 };
    skin.hueStrip = { 236, PanelTop + 4, 13, 204 };
    skin.huePointer = "hue_pointer.png";
    skin.huePointerPosition = { 251, PanelTop + 100 };

    skin.hotkeyFrame = "hotkey_field.png";
    for (std::size_t j = 0; j < 6; ++j) {
        int const top = PanelTop + 4 + 30 * static_cast<int>(j);
        skin.hotkeyCaptions[j] = { Margin, top + 4 };
        skin.hotkeyInputs[j] = { 130, top, 188, 22 };
    }
    skin.note = { Margin, PanelTop + 186, 220, 44 };
    skin.save = { Pictures("save"), { WindowWidth - Margin - 72, PanelTop + 190, 72, 28 } };
    return skin;
}

}

SkinDescription const& DefaultSkinDescription()
{
    static SkinDescription const skin = MakeDefault();
    return skin;
}

}
