#pragma once
// The recent colours (18) and the saved colours (36): their texts from the settings file, the
// swatches that show them, and what a click, a double-click or a new colour does to them. Every
// change is written back to the settings file at once.

#include "colour/Colour.h"
#include "lists/ColourList.h"
#include "shell/SettingsWriter.h"
#include "ui/SwatchImage.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace lists {

inline constexpr int RecentLimit = 18;
inline constexpr int SavedLimit = 36;

class ColourLists {
public:
    // The swatch spans hold one swatch per entry the list shows. A click on a swatch that shows
    // an entry makes its colour current through `select`.
    ColourLists(shell::SettingsWriter& settings, std::span<ui::SwatchImage* const> recentSwatches,
        std::span<ui::SwatchImage* const> savedSwatches, std::function<void(Colour)> select);
    ColourLists(ColourLists const&) = delete;
    ColourLists& operator=(ColourLists const&) = delete;

    // Reads both list texts from the settings file.
    void Load();
    std::string const& RecentListText() const { return m_recent.list.Text(); }
    std::string const& SavedListText() const { return m_saved.list.Text(); }

    // The colour in front of its list, shown and saved; a colour already there changes nothing.
    void AddRecentColour(Colour colour);
    void AddSavedColour(Colour colour);

    // Paints the recent list (true) or the saved list (false) into its swatches.
    void ShowColourList(bool recent);

private:
    struct OneList {
        ColourList list;
        SettingKey key;
        std::span<ui::SwatchImage* const> swatches;
        // What a screen reader calls the list's swatches, before their number.
        std::string_view label;
    };

    void Wire(OneList& list);
    void Show(OneList const& list);
    void Changed(OneList const& list);

    shell::SettingsWriter& m_settings;
    std::function<void(Colour)> m_select;
    OneList m_recent;
    OneList m_saved;
};

}
