#include "colour/CurrentColour.h"

#include "colour/Notations.h"
#include "text/Utf8Text.h"

#include <charconv>

namespace {

// Characters of a UTF-8 text, each broken sequence one character, as the clipboard will show it.
size_t CharacterCount(std::string_view text)
{
    size_t count = 0;
    for (size_t position = 0; position < text.size(); position += platform::Utf8CharacterBytes(text, position))
        ++count;
    return count;
}

std::string_view DropCharacters(std::string_view text, size_t characters)
{
    size_t position = 0;
    for (; characters > 0 && position < text.size(); --characters)
        position += platform::Utf8CharacterBytes(text, position);
    return text.substr(position);
}

std::int16_t Component(std::string_view piece)
{
    int value = 0;
    std::from_chars(piece.data(), piece.data() + piece.size(), value);
    return static_cast<std::int16_t>(value);
}

}

NotationTexts PlaceholderNotationTexts() { return { "123,255,255", "#FFFFFF", "&HFFFFFF", "20%,20%,20%,100%" }; }

std::optional<NotationTexts> NotationTextsOf(Colour colour)
{
    auto const decimal = GG::RgbText(colour);
    if (!decimal)
        return std::nullopt;
    // The component forms are fed from the decimal text's own pieces, so all four always agree.
    std::string_view const text = *decimal;
    size_t const first = text.find(',');
    size_t const second = text.find(',', first + 1);
    std::int16_t const red = Component(text.substr(0, first));
    std::int16_t const green = Component(text.substr(first + 1, second - first - 1));
    std::int16_t const blue = Component(text.substr(second + 1));
    return NotationTexts { *decimal, GG::WebText(red, green, blue), GG::HexText(red, green, blue),
        GG::CmykText(red, green, blue) };
}

std::string CopiedNotationText(int index, std::string_view boxText, bool keepPrefix)
{
    if (keepPrefix)
        return std::string(boxText);
    if (index == WebNotation) {
        size_t const count = CharacterCount(boxText);
        return std::string(count > 6 ? DropCharacters(boxText, count - 6) : boxText);
    }
    if (index == HexNotation)
        return std::string(DropCharacters(boxText, 2));
    return std::string(boxText);
}
