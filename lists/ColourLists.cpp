#include "lists/ColourLists.h"

#include <algorithm>
#include <cassert>

namespace lists {

ColourLists::ColourLists(shell::SettingsWriter& settings, std::span<ui::SwatchImage* const> recentSwatches,
    std::span<ui::SwatchImage* const> savedSwatches, std::function<void(Colour)> select)
    : m_settings(settings)
    , m_select(std::move(select))
    , m_recent { ColourList(RecentLimit), settings::RecentColours, recentSwatches }
    , m_saved { ColourList(SavedLimit), settings::SavedColours, savedSwatches }
{
    assert(recentSwatches.size() == RecentLimit && savedSwatches.size() == SavedLimit);
    Wire(m_recent);
    Wire(m_saved);
}

void ColourLists::Wire(OneList& list)
{
    for (size_t i = 0; i < list.swatches.size(); ++i) {
        ui::SwatchImage& swatch = *list.swatches[i];
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
    }
}

void ColourLists::Changed(OneList const& list)
{
    Show(list);
    // A failed write leaves the list as it is in memory; it is written whole with the next change.
    m_settings.Write(list.key, list.list.Text());
}

}
