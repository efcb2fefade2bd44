#pragma once
// Access to Windows-style INI files ("profile files"), the way the system's private-profile
// functions offer it. Texts cross this interface as UTF-8; the files themselves hold the Chinese
// 8-bit code page, or the UTF-16 or UTF-8 a user's editor saved them in, and keep their encoding.
// Implementations: platform/portable's rules over the system's wide file functions on Windows,
// over plain files natively.
//
// Rules every implementation keeps:
// - section and key names match without regard to letter case; the first of repeated ones wins;
// - blanks around names and values are dropped, and a value wholly enclosed in quotes loses them;
// - a missing file, section or key reads as empty;
// - a write creates the file, the section and the key as needed, replaces a value in place and
//   leaves every other line alone; a write that cannot be done returns false and changes nothing,
//   and so does one to a file that would not come back unchanged in its own encoding.

#include <string>
#include <string_view>

namespace platform {

class ProfileFiles {
public:
    virtual ~ProfileFiles() = default;

    // At most bufferBytes - 1 bytes of the stored value in the file's code page, cut to whole
    // characters. A buffer of 0 or less reads nothing.
    virtual std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
        int bufferBytes) = 0;

    // The value read as a decimal integer (leading digits, optional sign); defaultValue when the
    // key is missing or its value is empty; 0 when the value does not begin with a number.
    virtual int ReadInt(std::string_view file, std::string_view section, std::string_view key, int defaultValue) = 0;

    virtual bool WriteString(std::string_view file, std::string_view section, std::string_view key,
        std::string_view value) = 0;
};

}
