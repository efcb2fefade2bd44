#pragma once
// Which encoding a profile file's bytes are in, and the way between those bytes and the text the
// INI rules work on. A file is kept in the encoding it came in: the code page (GBK) as the
// program ships it, or what a user's editor saved (UTF-16 with a byte-order mark, UTF-8 with or
// without one). Portable: no OS header.

#include "platform/portable/IniText.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform::ini {

enum class FileEncoding { CodePage, Utf8, Utf8WithMark, Utf16LittleEndian, Utf16BigEndian };

// The file's text without its byte-order mark: code-page bytes for a code-page file, UTF-8 for
// every other. `exact` says whether EncodeFile gives the very same bytes back; a UTF-16 file with
// a broken surrogate pair or an odd byte reads with U+FFFD for the damage, but is not exact.
struct DecodedFile {
    FileEncoding encoding;
    std::string text;
    bool exact;
};

DecodedFile DecodeFile(std::string_view bytes);

// The bytes of a file in `encoding` holding `text` (mark included); nothing when a UTF-16 file
// cannot hold the text (it is no sound UTF-8). UTF-8 and code-page text goes as it is.
std::optional<std::string> EncodeFile(std::string_view text, FileEncoding encoding);

// How names compare in the decoded text.
inline Encoding NameEncoding(FileEncoding encoding)
{
    return encoding == FileEncoding::CodePage ? Encoding::CodePage : Encoding::Utf8;
}

// Whether bytes without a mark are taken for UTF-8: they are sound UTF-8, they hold something
// beyond ASCII, and read as GBK they would not be plain GB2312 text (the everyday characters:
// symbols in rows A1-A9, hanzi in rows B0-F7, second bytes A1-FE). GBK text can be sound UTF-8
// by chance ("忙碌" is C3A6 C2B5), but UTF-8 Chinese read as GBK almost always gives bytes outside
// GB2312 (every character's second byte is 80-BF) or no GBK at all, so only such text is UTF-8.
bool IsUtf8WithoutMark(std::string_view bytes);

}
