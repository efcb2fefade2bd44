#pragma once
// Where one character of a UTF-8 text ends, counted the way the system's conversions count:
// a broken sequence is one character (it becomes one U+FFFD or "?") as far as it is a sound
// beginning, and the bytes after it start afresh. So text that came in damaged loses nothing
// around the damage, and every rule that counts characters agrees with what the user is shown.
// Header only, no OS header: portable code and every platform use it.

#include <cstddef>
#include <string_view>

namespace platform {

// The bytes of the character starting at `at` (which must be inside the text): a whole sequence,
// or the longest sound beginning of one that is cut off, or one stray byte.
inline std::size_t Utf8CharacterBytes(std::string_view text, std::size_t at)
{
    auto const byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char const lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80;  // the range of the second byte, narrower after some leads
    unsigned char high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else {
        return 1;
    }
    std::size_t taken = 1;
    for (; taken < length && at + taken < text.size(); ++taken) {
        unsigned char const next = byte(at + taken);
        if (next < (taken == 1 ? low : 0x80) || next > (taken == 1 ? high : 0xBF))
            break;
    }
    return taken;
}

// Whether the character at `at` is a whole, sound sequence.
inline bool IsWholeUtf8Character(std::string_view text, std::size_t at)
{
    unsigned char const lead = static_cast<unsigned char>(text[at]);
    std::size_t const expected = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return (lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4)) && Utf8CharacterBytes(text, at) == expected;
}

}
