#pragma once
// The hotkey text: five chords "modifiers:key" and the index of the notation a pick copies, all
// joined by ",". Kept in memory as read or saved; this type gives checked access to its fields,
// so a damaged text from the file can never reach a registration or an index unchecked.

#include "shell/IniStore.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view DefaultHotkeyText = "0:123,4:81,4:66,4:70,4:74,1";
inline constexpr int HotkeyCount = 5;

// Modifier bits as the system uses them for hotkeys.
inline constexpr int ModifierAlt = 1;
inline constexpr int ModifierCtrl = 2;
inline constexpr int ModifierShift = 4;

struct Chord {
    int modifiers; // 0 ... 7
    int key;       // virtual-key code 1 ... 255

    bool operator==(Chord const&) const = default;
};

std::string ChordText(Chord chord);
// Both parts decimal and in range, nothing else; anything else is no chord.
std::optional<Chord> ParseChord(std::string_view text);

class HotkeyText {
public:
    HotkeyText() = default;
    explicit HotkeyText(std::string text);

    std::string const& Text() const { return m_text; }

    // Field n (1 ... 6) as stored; empty when the text has fewer fields.
    std::string_view Field(int n) const;
    // The chord of hotkey n (1 ... 5), when that field is a sound chord.
    std::optional<Chord> ChordOf(int hotkey) const;
    // The notation a pick copies, when field 6 is 0 ... 3.
    std::optional<int> CopyNotationIndex() const;

private:
    std::string m_text;
};

// "kjj" from the settings file, as stored (possibly empty).
HotkeyText ReadHotkeyText(INIDX& settingsIni);
