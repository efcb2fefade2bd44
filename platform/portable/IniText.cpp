#include "platform/portable/IniText.h"

#include <cstdint>
#include <vector>

namespace platform::ini {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Names are compared without regard to ASCII letter case; other bytes must match exactly. In the
// code page the byte after a lead byte belongs to it, even when it looks like a letter: 丄 (81 41)
// and 乤 (81 61) are different names.
bool NamesEqual(std::string_view a, std::string_view b, Encoding encoding)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (static_cast<unsigned char>(a[i]) >= 0x80 && encoding == Encoding::Utf8) {
            if (a[i] != b[i])
                return false;
        } else if (static_cast<unsigned char>(a[i]) > 0x80) {
            if (a[i] != b[i] || (i + 1 < a.size() && a[i + 1] != b[i + 1]))
                return false;
            ++i;
        } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

struct Line {
    size_t begin;   // first byte of the line
    size_t end;     // one past the line break, or the end of the text
    std::string_view content; // without the line break, blanks trimmed
    bool hasBreak;
};

std::vector<Line> SplitLines(std::string_view text)
{
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t const newline = text.find('\n', pos);
        size_t const stop = newline == std::string_view::npos ? text.size() : newline;
        size_t const end = newline == std::string_view::npos ? text.size() : newline + 1;
        lines.push_back({ pos, end, Trim(text.substr(pos, stop - pos)), newline != std::string_view::npos });
        pos = end;
    }
    return lines;
}

// A section header is "[" name "]"; anything after the last "]" is ignored, as the system does.
std::optional<std::string_view> SectionName(std::string_view content)
{
    if (content.empty() || content.front() != '[')
        return std::nullopt;
    size_t const close = content.rfind(']');
    if (close == std::string_view::npos || close == 0)
        return std::nullopt;
    return Trim(content.substr(1, close - 1));
}

// Every other non-empty line is an entry; one without "=" is a key with an empty value.
struct Entry {
    std::string_view key;
    std::string_view value;
};

Entry ParseEntry(std::string_view content)
{
    size_t const eq = content.find('=');
    if (eq == std::string_view::npos)
        return { Trim(content), {} };
    return { Trim(content.substr(0, eq)), Trim(content.substr(eq + 1)) };
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

struct SectionSpan {
    size_t firstLine; // the line after the header
    size_t endLine;   // the next header, or the number of lines
};

std::optional<SectionSpan> FindSection(std::vector<Line> const& lines, std::string_view section, Encoding encoding)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        auto const name = SectionName(lines[i].content);
        if (!name || !NamesEqual(*name, section, encoding))
            continue;
        size_t end = i + 1;
        while (end < lines.size() && !SectionName(lines[end].content))
            ++end;
        return SectionSpan { i + 1, end };
    }
    return std::nullopt;
}

std::optional<size_t> FindKeyLine(std::vector<Line> const& lines, SectionSpan span, std::string_view key, Encoding encoding)
{
    for (size_t i = span.firstLine; i < span.endLine; ++i) {
        if (!lines[i].content.empty() && NamesEqual(ParseEntry(lines[i].content).key, key, encoding))
            return i;
    }
    return std::nullopt;
}

}

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section, std::string_view key,
    Encoding encoding)
{
    auto const lines = SplitLines(text);
    auto const span = FindSection(lines, Trim(section), encoding);
    if (!span)
        return std::nullopt;
    auto const line = FindKeyLine(lines, *span, Trim(key), encoding);
    if (!line)
        return std::nullopt;
    return Unquote(ParseEntry(lines[*line].content).value);
}

std::string SetValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value,
    Encoding encoding)
{
    section = Trim(section);
    key = Trim(key);
    value = Trim(value);
    auto const lines = SplitLines(text);
    std::string result;
    result.reserve(text.size() + section.size() + key.size() + value.size() + 8);

    auto const span = FindSection(lines, section, encoding);
    if (!span) {
        result.append(text);
        if (!result.empty() && result.back() != '\n')
            result.append("\r\n");
        result.append("[").append(section).append("]\r\n");
        result.append(key).append("=").append(value).append("\r\n");
        return result;
    }

    if (auto const keyLine = FindKeyLine(lines, *span, key, encoding)) {
        Line const& line = lines[*keyLine];
        size_t const contentStart = static_cast<size_t>(line.content.data() - text.data());
        result.append(text.substr(0, contentStart));
        result.append(ParseEntry(line.content).key).append("=").append(value);
        // Keep the line's own break (CR LF or LF) and everything after it.
        size_t const contentEnd = contentStart + line.content.size();
        result.append(text.substr(contentEnd));
        return result;
    }

    // A new key goes after the section's last entry, before any blank lines that separate it
    // from the next section.
    size_t insertAfter = span->firstLine - 1;
    for (size_t i = span->firstLine; i < span->endLine; ++i) {
        if (!lines[i].content.empty())
            insertAfter = i;
    }
    Line const& anchor = lines[insertAfter];
    result.append(text.substr(0, anchor.end));
    if (!anchor.hasBreak)
        result.append("\r\n");
    result.append(key).append("=").append(value).append("\r\n");
    result.append(text.substr(anchor.end));
    return result;
}

int ParseLeadingInt(std::string_view value)
{
    size_t i = 0;
    while (i < value.size() && (IsBlank(value[i]) || value[i] == '\n'))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) {
        negative = value[i] == '-';
        ++i;
    }
    std::uint32_t result = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        result = result * 10u + static_cast<std::uint32_t>(value[i] - '0');
    if (negative)
        result = 0u - result;
    return static_cast<int>(result);
}

}
