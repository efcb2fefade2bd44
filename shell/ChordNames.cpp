#include "shell/ChordNames.h"

#include "platform/InputEvents.h"

#include <utility>

namespace {

// Keys whose code read as a character would show something unprintable or misleading (Enter,
// the arrows "%&'(", the number pad "`abc..."), by their usual names.
constexpr std::pair<int, std::string_view> NamedKeys[] {
    { 8, "Backspace" }, { 9, "Tab" }, { 12, "Clear" }, { 13, "Enter" }, { 19, "Pause" }, { 20, "CapsLock" },
    { 27, "Esc" }, { 32, "Space" }, { 33, "PageUp" }, { 34, "PageDown" }, { 35, "End" }, { 36, "Home" },
    { 37, "Left" }, { 38, "Up" }, { 39, "Right" }, { 40, "Down" }, { 44, "PrintScreen" }, { 45, "Insert" },
    { 46, "Delete" }, { 91, "Win" }, { 92, "Win" }, { 93, "Menu" }, { 96, "Num0" }, { 97, "Num1" },
    { 98, "Num2" }, { 99, "Num3" }, { 100, "Num4" }, { 101, "Num5" }, { 102, "Num6" }, { 103, "Num7" },
    { 104, "Num8" }, { 105, "Num9" }, { 106, "Num*" }, { 107, "Num+" }, { 109, "Num-" }, { 110, "Num." },
    { 111, "Num/" }, { 144, "NumLock" }, { 145, "ScrollLock" }, { 166, "BrowserBack" }, { 167, "BrowserForward" },
    { 173, "VolumeMute" }, { 174, "VolumeDown" }, { 175, "VolumeUp" }, { 186, ";" }, { 187, "=" }, { 188, "," },
    { 189, "-" }, { 190, "." }, { 191, "/" }, { 192, "`" }, { 219, "[" }, { 220, "\\" }, { 221, "]" },
    { 222, "'" }, { 226, "\\" },
};

}

std::string_view ModifierPrefix(int modifiers)
{
    switch (modifiers) {
    case ModifierShift:
        return "Shift+";
    case ModifierCtrl:
        return "Ctrl+";
    case ModifierCtrl | ModifierShift:
        return "Ctrl+Shift+";
    case ModifierAlt:
        return "Alt+";
    case ModifierShift | ModifierAlt:
        return "Shift+Alt+";
    case ModifierCtrl | ModifierAlt:
        return "Ctrl+Alt+";
    case ModifierCtrl | ModifierAlt | ModifierShift:
        return "Ctrl+Alt+Shift+";
    default:
        return {};
    }
}

std::string KeyName(int keyCode)
{
    // Shift, Ctrl and Alt (also as their left and right keys) show only in the prefix; F12 shows
    // nothing at all, as it always has.
    if (keyCode == 16 || keyCode == 17 || keyCode == 18 || (keyCode >= 160 && keyCode <= 165) || keyCode == 123)
        return {};
    if (keyCode >= 112 && keyCode <= 122)
        return "F" + std::to_string(keyCode - 111);
    if (keyCode >= 124 && keyCode <= 135)
        return "F" + std::to_string(keyCode - 111);
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9'))
        return std::string(1, static_cast<char>(keyCode));
    for (auto const& [code, name] : NamedKeys) {
        if (code == keyCode)
            return std::string(name);
    }
    return "键" + std::to_string(keyCode);
}

std::string ChordDisplayText(Chord chord) { return std::string(ModifierPrefix(chord.modifiers)) + KeyName(chord.key); }

std::string ChordDisplayText(std::string_view field)
{
    auto const chord = ParseChord(field);
    return chord ? ChordDisplayText(*chord) : std::string();
}

Chord ChordOfKeyDown(int keyCode, int shift)
{
    int modifiers = 0;
    if (shift & platform::ShiftKey)
        modifiers |= ModifierShift;
    if (shift & platform::CtrlKey)
        modifiers |= ModifierCtrl;
    if (shift & platform::AltKey)
        modifiers |= ModifierAlt;
    return { modifiers, keyCode };
}
