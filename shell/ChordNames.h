#pragma once
// What a chord box shows for a chord, and the chord a key-down in the box makes. The stored chord
// is always the plain "modifiers:key" of the system; only what the box shows is a name.

#include "shell/HotkeyText.h"

#include <string>
#include <string_view>

// The key codes the chord rules single out.
namespace keys {
inline constexpr int Shift = 16;
inline constexpr int Ctrl = 17;
inline constexpr int Alt = 18;
inline constexpr int LeftWindows = 91;
inline constexpr int RightWindows = 92;
inline constexpr int F1 = 112;
inline constexpr int F4 = 115;
inline constexpr int F11 = 122;
inline constexpr int F12 = 123;
inline constexpr int F13 = 124;
inline constexpr int F24 = 135;
inline constexpr int LeftShift = 160; // to RightAlt (165): left and right Shift, Ctrl and Alt
inline constexpr int RightAlt = 165;
}

// Shift, Ctrl or Alt, also as their left and right keys: keys that show only in a chord's prefix.
bool IsPrefixKey(int keyCode);

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

// A key that belongs to the window rather than to a chord box: Alt+F4.
bool IsWindowKey(int keyCode, int shift);
// A chord of a modifier key alone (Shift, Ctrl, Alt or Windows), which the system cannot hold.
bool IsModifierAlone(std::string_view chord);
