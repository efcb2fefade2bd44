#pragma once
// Reading and changing one value of an INI text held in memory, following the rules of the
// Windows private-profile functions (see platform/ProfileFiles.h). Works on bytes: names and
// values must already be in the text's own encoding. Files are read and written elsewhere.

#include <optional>
#include <string>
#include <string_view>

namespace platform::ini {

// How names are compared beyond ASCII: in the system's code page a byte from 0x81 up starts a
// double-byte character whose second byte may look like a letter; in UTF-8 no byte of a
// non-ASCII character does.
enum class Encoding { CodePage, Utf8 };

// The value of the first matching key in the first matching section, blanks dropped and enclosing
// quotes removed; nothing when the section or key is missing.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section, std::string_view key,
    Encoding encoding = Encoding::CodePage);

// The text with key set to value: the existing line replaced in place, or a new line added at the
// end of the section, or a new section added at the end. New lines end in CR LF.
std::string SetValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value,
    Encoding encoding = Encoding::CodePage);

// Leading decimal integer of a value as the system reads it: optional blanks and sign, then
// digits; 0 when there are none. Wraps around on overflow like the system's 32-bit parse.
int ParseLeadingInt(std::string_view value);

}
