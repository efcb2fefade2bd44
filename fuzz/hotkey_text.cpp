// The hotkey text from the settings file: every field read, and a chord that parses is written
// back as the same text it would parse from again.

#include "Check.h"
#include "shell/HotkeyText.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    std::string const text(reinterpret_cast<char const*>(data), size);
    HotkeyText const hotkeys(text);
    for (int n = 0; n <= 7; ++n)
        hotkeys.Field(n);
    for (int n = 0; n <= 6; ++n) {
        if (auto const chord = hotkeys.ChordOf(n)) {
            FUZZ_CHECK(chord->modifiers >= 0 && chord->modifiers <= 7 && chord->key >= 1 && chord->key <= 255);
            FUZZ_CHECK(ParseChord(ChordText(*chord)) == chord);
        }
    }
    if (auto const index = hotkeys.CopyNotationIndex())
        FUZZ_CHECK(*index >= 0 && *index <= 3);
    if (auto const chord = ParseChord(text))
        FUZZ_CHECK(ParseChord(ChordText(*chord)) == chord);
    return 0;
}
