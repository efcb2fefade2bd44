#pragma once
// The rules behind the current colour: the four texts the notation boxes show for a colour, and
// what copying a notation box puts on the clipboard under the copy-prefix option.

#include "colour/Colour.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int NotationCount = 4;
inline constexpr int DecimalNotation = 0;
inline constexpr int WebNotation = 1;
inline constexpr int HexNotation = 2;
inline constexpr int PercentageNotation = 3;

using NotationTexts = std::array<std::string, NotationCount>;

// What the boxes show before the first colour is set.
NotationTexts PlaceholderNotationTexts();

// The decimal, web, hexadecimal value and percentage texts; nothing for a value that is no
// colour, so the boxes keep what they show.
std::optional<NotationTexts> NotationTextsOf(Colour colour);

// The text a copy of box `index` puts on the clipboard. Without the prefix option the web
// notation keeps only its last six characters and the hexadecimal value loses its first two
// (nothing is left of a text shorter than that). Characters, not bytes: a box the user typed
// Chinese into is never cut inside a character.
std::string CopiedNotationText(int index, std::string_view boxText, bool keepPrefix);
