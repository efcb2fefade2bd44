#include "platform/portable/IniProfileFiles.h"

#include "platform/portable/IniEncoding.h"
#include "platform/portable/IniText.h"
#include "text/Utf8Text.h"

#include <algorithm>

namespace platform {

using ini::FileEncoding;

IniProfileFiles::IniProfileFiles(WholeFiles& files, CodePage const& codePage)
    : m_files(files)
    , m_codePage(codePage)
{
}

// An empty file name is no file: nothing is read from or written to the current folder. Nor is
// anything read from a file that exists but cannot be read.
std::optional<IniProfileFiles::LoadedFile> IniProfileFiles::Load(std::string_view file)
{
    if (file.empty())
        return std::nullopt;
    auto const bytes = m_files.Read(file);
    if (!bytes)
        return std::nullopt;
    auto decoded = ini::DecodeFile(*bytes);
    bool const codePage = decoded.encoding == FileEncoding::CodePage;
    return LoadedFile { std::move(decoded), codePage };
}

// Names and values reach the INI rules in the file's own encoding: code-page bytes for a code-page
// file, UTF-8 (the program's own text) for every other.
std::string IniProfileFiles::InFile(std::string_view utf8, LoadedFile const& file) const
{
    return file.codePage ? m_codePage.FromUtf8(utf8) : std::string(utf8);
}

std::optional<IniProfileFiles::FoundValue> IniProfileFiles::Find(std::string_view file, std::string_view section,
    std::string_view key)
{
    auto const loaded = Load(file);
    if (!loaded)
        return std::nullopt;
    auto const value = ini::FindValue(loaded->decoded.text, InFile(section, *loaded), InFile(key, *loaded),
        ini::NameEncoding(loaded->decoded.encoding));
    if (!value)
        return std::nullopt;
    return FoundValue { std::string(*value), loaded->codePage };
}

std::optional<std::string> IniProfileFiles::Encode(std::string const& text, LoadedFile const& file)
{
    FileEncoding const encoding = file.decoded.encoding;
    auto content = ini::EncodeFile(text, encoding);
    if (!content)
        return std::nullopt;
    // A UTF-8 file left with nothing beyond ASCII reads as the code page: the same text.
    auto const readBack = ini::DecodeFile(*content).encoding;
    bool const plainAscii = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (readBack != encoding && !(encoding == FileEncoding::Utf8 && plainAscii))
        return std::nullopt;
    return content;
}

std::string IniProfileFiles::ReadString(std::string_view file, std::string_view section, std::string_view key,
    int bufferBytes)
{
    if (bufferBytes <= 0)
        return {};
    auto found = Find(file, section, key);
    if (!found)
        return {};
    std::string& value = found->value;
    // The limit counts bytes of the code page, whatever the file's own encoding.
    size_t const limit = static_cast<size_t>(bufferBytes) - 1;
    if (found->codePage) {
        if (value.size() > limit)
            value.resize(limit);
        return m_codePage.ToUtf8(value);
    }
    // A UTF-8 file with a mark is taken at its word: what is no UTF-8 in it becomes U+FFFD here.
    std::string sound;
    for (size_t at = 0; at < value.size();) {
        size_t const length = Utf8CharacterBytes(value, at);
        sound += IsWholeUtf8Character(value, at) ? std::string_view(value).substr(at, length) : "\xEF\xBF\xBD";
        at += length;
    }
    value = std::move(sound);
    // A character never takes more bytes in the code page than in UTF-8, so only a longer value
    // is measured, character by character; characters the code page lacks are kept.
    if (value.size() <= limit)
        return std::move(value);
    size_t counted = 0;
    size_t at = 0;
    while (at < value.size()) {
        size_t const length = Utf8CharacterBytes(value, at);
        counted += m_codePage.FromUtf8(std::string_view(value).substr(at, length)).size();
        if (counted > limit)
            break;
        at += length;
    }
    value.resize(at);
    return std::move(value);
}

int IniProfileFiles::ReadInt(std::string_view file, std::string_view section, std::string_view key, int defaultValue)
{
    auto const found = Find(file, section, key);
    if (!found || found->value.empty())
        return defaultValue;
    return ini::ParseLeadingInt(found->value);
}

bool IniProfileFiles::WriteString(std::string_view file, std::string_view section, std::string_view key,
    std::string_view value)
{
    // A file that exists but cannot be read is never replaced: that would lose its other keys.
    // Nor is one that would not come back as it was in its own encoding, or that the next read
    // would take for another encoding.
    auto const loaded = Load(file);
    if (!loaded || !loaded->decoded.exact)
        return false;
    std::string const text = ini::SetValue(loaded->decoded.text, InFile(section, *loaded), InFile(key, *loaded),
        InFile(value, *loaded), ini::NameEncoding(loaded->decoded.encoding));
    auto const content = Encode(text, *loaded);
    return content && m_files.Replace(file, *content);
}

}
