#include "lists/ColourLists.h"

#include "colour/Notations.h"

#include <algorithm>
#include <cassert>

namespace lists {

ColourLists::ColourLists(shell::SettingsWriter& settings, std::span<ui::SwatchImage* const> recentSwatches,
    std::span<ui::SwatchImage* const> savedSwatches, std::function<void(Colour)> select)
    : m_settings(settings)
    , m_select(std::move(select))
    , m_recent { ColourList(RecentLimit), settings::RecentColours, recentSwatches, "最近使用的颜色" }
    , m_saved { ColourList(SavedLimit), settings::SavedColours, savedSwatches, "保存的颜色" }
{
    assert(recentSwatches.size() == RecentLimit && savedSwatches.size() == SavedLimit);
    Wire(m_recent);
    Wire(m_saved);
}

namespace {

// "最近使用的颜色 3：#FF0000", or "：空" for a slot without an entry; numbered from 1 as seen.
std::string SwatchName(std::string_view label, int index, std::optional<Colour> colour)
{
    std::string const shown = colour ? GG::WebText(static_cast<std::int16_t>(RedOf(*colour)),
                                           static_cast<std::int16_t>(GreenOf(*colour)),
                                           static_cast<std::int16_t>(BlueOf(*colour)))
                                     : std::string("空");
    return std::string(label) + " " + std::to_string(index + 1) + "：" + shown;
}

}

void ColourLists::Wire(OneList& list)
{
    for (size_t i = 0; i < list.swatches.size(); ++i) {
        ui::SwatchImage& swatch = *list.swatches[i];
        swatch.SetAccessibleName(SwatchName(list.label, static_cast<int>(i), std::nullopt));
        // Only a swatch with a border shows an entry; an empty slot does nothing.
        swatch.OnClick = [this, &swatch] {
            if (swatch.HasBorder())
                m_select(swatch.BackColour());
        };
        swatch.OnDoubleClick = [this, &list, &swatch, index = static_cast<int>(i)] {
            if (swatch.HasBorder() && list.list.MoveForward(index))
                Changed(list);
        };
    }
}

void ColourLists::Load()
{
    m_recent.list.SetText(m_settings.Read(m_recent.key));
    m_saved.list.SetText(m_settings.Read(m_saved.key));
}

void ColourLists::AddRecentColour(Colour colour)
{
    if (m_recent.list.Add(colour))
        Changed(m_recent);
}

void ColourLists::AddSavedColour(Colour colour)
{
    if (m_saved.list.Add(colour))
        Changed(m_saved);
}

void ColourLists::ShowColourList(bool recent) { Show(recent ? m_recent : m_saved); }

void ColourLists::Show(OneList const& list)
{
    // Every swatch is painted, not only those of the entries: one that shows an entry the
    // program cannot read goes back to the empty-slot look instead of keeping an older colour.
    for (size_t i = 0; i < list.swatches.size(); ++i) {
        auto const colour = list.list.ColourAt(static_cast<int>(i));
        if (colour)
            list.swatches[i]->ShowColour(*colour);
        else
            list.swatches[i]->ShowEmpty();
        list.swatches[i]->SetAccessibleName(SwatchName(list.label, static_cast<int>(i), colour));
    }
}

void ColourLists::Changed(OneList const& list)
{
    Show(list);
    // A failed write leaves the list as it is in memory; it is written whole with the next change.
    m_settings.Write(list.key, list.list.Text());
}

}
