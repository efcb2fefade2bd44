#pragma once
// Conversion between UTF-8, the program's text in memory, and the system's 8-bit ("ANSI") code
// page in which the settings file, the skin description and fetched pages are stored.

#include <string>
#include <string_view>

namespace platform {

class CodePage {
public:
    virtual ~CodePage() = default;

    // A character the code page cannot hold becomes "?".
    virtual std::string FromUtf8(std::string_view utf8) const = 0;

    // Bytes that are no character of the code page become U+FFFD; an incomplete character at the
    // very end (a cut in the middle of a double-byte character) is dropped.
    virtual std::string ToUtf8(std::string_view ansi) const = 0;
};

}
