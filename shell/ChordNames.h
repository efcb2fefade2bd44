#pragma once
// What a chord box shows for a chord, and the chord a key-down in the box makes. The stored chord
// is always the plain "modifiers:key" of the system; only what the box shows is a name.

#include "shell/HotkeyText.h"

#include <string>
#include <string_view>

// "Shift+", "Ctrl+Alt+", ... for the system's modifier bits; nothing for none.
std::string_view ModifierPrefix(int modifiers);

// The name a chord box shows for a key. Empty for the modifier keys themselves and for F12;
// letters and digits as themselves, F1 to F11 by number, other keys by their usual name.
std::string KeyName(int keyCode);

// Prefix and key name: "Ctrl+Alt+F5", "Shift+Q", "Ctrl+".
std::string ChordDisplayText(Chord chord);
// The same for a stored field; a field that is no chord shows nothing.
std::string ChordDisplayText(std::string_view field);

// The chord of a key-down in a chord box; shift is the input's shift state (Shift 1, Ctrl 2,
// Alt 4), which orders its bits the other way round from the system's hotkey modifiers.
Chord ChordOfKeyDown(int keyCode, int shift);
