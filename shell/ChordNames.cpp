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
    { 46, "Delete" }, { keys::LeftWindows, "Win" }, { keys::RightWindows, "Win" }, { 93, "Menu" }, { 96, "Num0" }, { 97, "Num1" },
    { 98, "Num2" }, { 99, "Num3" }, { 100, "Num4" }, { 101, "Num5" }, { 102, "Num6" }, { 103, "Num7" },
    { 104, "Num8" }, { 105, "Num9" }, { 106, "Num*" }, { 107, "Num+" }, { 109, "Num-" }, { 110, "Num." },
    { 111, "Num/" }, { 144, "NumLock" }, { 145, "ScrollLock" }, { 166, "BrowserBack" }, { 167, "BrowserForward" },
    { 173, "VolumeMute" }, { 174, "VolumeDown" }, { 175, "VolumeUp" }, { 186, ";" }, { 187, "=" }, { 188, "," },
    { 189, "-" }, { 190, "." }, { 191, "/" }, { 192, "`" }, { 219, "[" }, { 220, "\\" }, { 221, "]" },
    { 222, "'" }, { 226, "\\" },
};

}

bool IsPrefixKey(int keyCode)
{
    return keyCode == keys::Shift || keyCode == keys::Ctrl || keyCode == keys::Alt
        || (keyCode >= keys::LeftShift && keyCode <= keys::RightAlt);
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
    if (IsPrefixKey(keyCode) || keyCode == keys::F12)
        return {};
    if ((keyCode >= keys::F1 && keyCode <= keys::F11) || (keyCode >= keys::F13 && keyCode <= keys::F24))
        return "F" + std::to_string(keyCode - keys::F1 + 1);
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

bool IsWindowKey(int keyCode, int shift)
{
    // The window has no menu, so Alt with a letter or digit, F10 and Shift+F10 are chords like
    // any other; only Alt+F4 closes it. Tab never gets here: the form moves the focus with it.
    return (shift & platform::AltKey) != 0 && keyCode == keys::F4;
}

bool IsModifierAlone(std::string_view chord)
{
    auto const parsed = ParseChord(chord);
    return parsed
        && (IsPrefixKey(parsed->key) || parsed->key == keys::LeftWindows || parsed->key == keys::RightWindows);
}
