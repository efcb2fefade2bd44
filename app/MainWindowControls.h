#pragma once
// Every control of the main window, by the names the rest of the program uses for them.

#include "app/BuiltInPictures.h"
#include "ui/AlphaImage.h"
#include "ui/CircleShape.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/NativeControls.h"
#include "ui/PictureBox.h"
#include "ui/SwatchImage.h"

#include <array>
#include <vector>

namespace app {

inline constexpr int RecentSwatchCount = 18;
inline constexpr int SavedSwatchCount = 36;
inline constexpr int PanelCount = 4;

struct MainWindowControls {
    ui::AlphaImage* bj = nullptr;           // background
    ui::Label* BiaoTiLan = nullptr;         // title
    ui::AlphaImage* ZXHANT = nullptr;       // minimise
    ui::AlphaImage* GBANT = nullptr;        // close
    ui::AlphaImage* QSTBK = nullptr;        // start a pick
    ui::AlphaImage* JTTBK = nullptr;        // start a capture
    ui::PictureBox* YSK = nullptr;          // current colour
    std::array<ui::Label*, 4> YSBQ {};      // notation captions
    std::array<ui::TextBox*, 4> YSSR {};    // notation boxes
    std::array<ui::AlphaImage*, 4> DBSRK {}; // frames behind the notation boxes
    std::array<ui::AlphaImage*, PanelCount> Mianban {}; // panel tabs
    ui::Label* TiShiBiaoQian = nullptr;     // hint
    ui::CheckBox* DXAnNiu = nullptr;        // copy-prefix option
    ui::AlphaImage* FengGeXian = nullptr;   // separator
    ui::AlphaImage* DBTP = nullptr;         // bottom strip
    ui::Label* DBBT = nullptr;              // link text in the bottom strip

    // Panel 0: colour lists.
    std::array<ui::Label*, 2> MB1BQ {};
    std::array<ui::SwatchImage*, RecentSwatchCount> ZJHQYS {};
    std::array<ui::SwatchImage*, SavedSwatchCount> WBCYS {};

    // Panel 1: colour chart and picture.
    ui::PictureBox* YDYSK = nullptr;
    ui::PictureBox* TPGGK = nullptr;
    ui::WebBrowserBox* WYK = nullptr;

    // Panel 2: colour adjuster.
    ui::PictureBox* TSBK = nullptr;         // saturation/value box
    ui::PictureBox* TSTK = nullptr;         // hue strip
    ui::AlphaImage* TSZZ = nullptr;         // hue-strip pointer
    ui::CircleShape* TSYQ = nullptr;        // box pointer, inside TSBK

    // Panel 3: hotkeys.
    std::array<ui::Label*, 6> MB4BQ {};
    std::array<ui::TextBox*, 5> MB4SRK {};
    ui::ComboBox* XQK = nullptr;
    std::array<ui::AlphaImage*, 6> MB4DK {}; // frames behind the inputs
    ui::Label* BeiZhu = nullptr;            // note
    ui::AlphaImage* BCSZAN = nullptr;       // save the hotkeys
};

// Creates every control on the form at the window's built-in layout, lowest first, with the
// built-in pictures and texts a skin later replaces.
MainWindowControls BuildMainWindow(ui::Form& form);

// Names, roles and keyboard groups for assistive technology, where a control's own text does not
// say what it is.
void DescribeControls(MainWindowControls const& controls);

// A panel tab's built-in picture, for a tab that no skin gives pictures.
ui::PictureMaker BuiltInTabMaker(int tab, TabLook look, platform::TextRenderer& text);

// The controls each panel shows, panel by panel.
std::array<std::vector<ui::Control*>, PanelCount> PanelMembersOf(MainWindowControls const& controls);

}
