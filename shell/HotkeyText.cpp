#include "shell/HotkeyText.h"

#include "shell/SettingsFile.h"

#include <charconv>

namespace {

std::optional<int> ParseDecimal(std::string_view text, int low, int high)
{
    int value = 0;
    auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || text.front() == '-')
        return std::nullopt;
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

}

std::string ChordText(Chord chord) { return std::to_string(chord.modifiers) + ":" + std::to_string(chord.key); }

std::optional<Chord> ParseChord(std::string_view text)
{
    size_t const colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    auto const modifiers = ParseDecimal(text.substr(0, colon), 0, 7);
    auto const key = ParseDecimal(text.substr(colon + 1), 1, 255);
    if (!modifiers || !key)
        return std::nullopt;
    return Chord { *modifiers, *key };
}

HotkeyText::HotkeyText(std::string text)
    : m_text(std::move(text))
{
}

std::string_view HotkeyText::Field(int n) const
{
    if (n < 1)
        return {};
    std::string_view rest = m_text;
    for (int i = 1; i < n; ++i) {
        size_t const comma = rest.find(',');
        if (comma == std::string_view::npos)
            return {};
        rest.remove_prefix(comma + 1);
    }
    return rest.substr(0, rest.find(','));
}

std::optional<Chord> HotkeyText::ChordOf(int hotkey) const
{
    if (hotkey < 1 || hotkey > HotkeyCount)
        return std::nullopt;
    return ParseChord(Field(hotkey));
}

std::optional<int> HotkeyText::CopyNotationIndex() const { return ParseDecimal(Field(6), 0, 3); }

HotkeyText ReadHotkeyText(INIDX& settingsIni) { return HotkeyText(ReadSetting(settingsIni, settings::Hotkeys)); }
