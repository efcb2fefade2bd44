#include "platform/portable/IniEncoding.h"

#include "text/Utf8Text.h"

namespace platform::ini {

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view Utf16BigEndianMark = "\xFE\xFF";
constexpr char32_t Replacement = 0xFFFD;

bool IsSoundUtf8(std::string_view text)
{
    for (size_t at = 0; at < text.size(); at += Utf8CharacterBytes(text, at)) {
        if (!IsWholeUtf8Character(text, at))
            return false;
    }
    return true;
}

bool IsAscii(std::string_view text)
{
    for (char const c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Every character beyond ASCII is a GB2312 symbol or hanzi.
bool IsGb2312Text(std::string_view bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        auto const lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 >= bytes.size())
            return false;
        auto const trail = static_cast<unsigned char>(bytes[i + 1]);
        bool const leadInUse = (lead >= 0xA1 && lead <= 0xA9) || (lead >= 0xB0 && lead <= 0xF7);
        if (!leadInUse || trail < 0xA1 || trail > 0xFE)
            return false;
        i += 2;
    }
    return true;
}

// The code point of a whole, sound UTF-8 sequence.
char32_t CodePointAt(std::string_view text, size_t at, size_t length)
{
    auto const lead = static_cast<unsigned char>(text[at]);
    if (length == 1)
        return lead;
    char32_t point = lead & (0x7Fu >> length);
    for (size_t i = 1; i < length; ++i)
        point = (point << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3Fu);
    return point;
}

void AppendUtf8(std::string& out, char32_t point)
{
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

DecodedFile DecodeUtf16(std::string_view body, FileEncoding encoding)
{
    bool const bigEndian = encoding == FileEncoding::Utf16BigEndian;
    auto const unit = [&](size_t i) -> char32_t {
        auto const first = static_cast<unsigned char>(body[2 * i]);
        auto const second = static_cast<unsigned char>(body[2 * i + 1]);
        return bigEndian ? (char32_t { first } << 8) | second : (char32_t { second } << 8) | first;
    };
    auto const isHigh = [](char32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
    auto const isLow = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };

    DecodedFile decoded { encoding, {}, body.size() % 2 == 0 };
    decoded.text.reserve(body.size() * 3 / 2);
    size_t const units = body.size() / 2;
    for (size_t i = 0; i < units; ++i) {
        char32_t point = unit(i);
        if (isHigh(point) && i + 1 < units && isLow(unit(i + 1))) {
            point = 0x10000 + ((point - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        } else if (isHigh(point) || isLow(point)) {
            point = Replacement;
            decoded.exact = false;
        }
        AppendUtf8(decoded.text, point);
    }
    return decoded;
}

std::optional<std::string> EncodeUtf16(std::string_view text, FileEncoding encoding)
{
    bool const bigEndian = encoding == FileEncoding::Utf16BigEndian;
    std::string bytes(bigEndian ? Utf16BigEndianMark : Utf16LittleEndianMark);
    bytes.reserve(bytes.size() + text.size() * 2);
    auto const put = [&](char32_t u) {
        char const high = static_cast<char>(u >> 8);
        char const low = static_cast<char>(u & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    };
    for (size_t at = 0; at < text.size();) {
        if (!IsWholeUtf8Character(text, at))
            return std::nullopt;
        size_t const length = Utf8CharacterBytes(text, at);
        char32_t const point = CodePointAt(text, at, length);
        at += length;
        if (point < 0x10000) {
            put(point);
        } else {
            put(0xD800 + ((point - 0x10000) >> 10));
            put(0xDC00 + ((point - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

}

bool IsUtf8WithoutMark(std::string_view bytes)
{
    return !IsAscii(bytes) && IsSoundUtf8(bytes) && !IsGb2312Text(bytes);
}

DecodedFile DecodeFile(std::string_view bytes)
{
    if (bytes.starts_with(Utf16LittleEndianMark))
        return DecodeUtf16(bytes.substr(2), FileEncoding::Utf16LittleEndian);
    if (bytes.starts_with(Utf16BigEndianMark))
        return DecodeUtf16(bytes.substr(2), FileEncoding::Utf16BigEndian);
    if (bytes.starts_with(Utf8Mark))
        return { FileEncoding::Utf8WithMark, std::string(bytes.substr(Utf8Mark.size())), true };
    if (IsUtf8WithoutMark(bytes))
        return { FileEncoding::Utf8, std::string(bytes), true };
    return { FileEncoding::CodePage, std::string(bytes), true };
}

std::optional<std::string> EncodeFile(std::string_view text, FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf16LittleEndian:
    case FileEncoding::Utf16BigEndian:
        return EncodeUtf16(text, encoding);
    case FileEncoding::Utf8WithMark:
        return std::string(Utf8Mark) + std::string(text);
    case FileEncoding::Utf8:
    case FileEncoding::CodePage:
        break;
    }
    return std::string(text);
}

}
