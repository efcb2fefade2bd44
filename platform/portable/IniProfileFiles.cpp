#include "platform/portable/IniProfileFiles.h"

#include "platform/portable/IniText.h"

namespace platform {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// A file's text and how it is encoded: a file that starts with a UTF-8 byte-order mark holds
// UTF-8, whatever the code page.
struct FileText {
    std::string_view body;
    bool utf8;

    ini::Encoding Encoding() const { return utf8 ? ini::Encoding::Utf8 : ini::Encoding::CodePage; }
};

FileText Classify(std::string const& bytes)
{
    if (std::string_view(bytes).starts_with(Utf8Bom))
        return { std::string_view(bytes).substr(Utf8Bom.size()), true };
    return { bytes, false };
}

}

IniProfileFiles::IniProfileFiles(WholeFiles& files, CodePage const& codePage)
    : m_files(files)
    , m_codePage(codePage)
{
}

// An empty file name is no file: nothing is read from or written to the current folder.

std::string IniProfileFiles::ReadString(std::string_view file, std::string_view section, std::string_view key,
    int bufferBytes)
{
    if (bufferBytes <= 0 || file.empty())
        return {};
    auto const bytes = m_files.Read(file);
    if (!bytes)
        return {};
    FileText const text = Classify(*bytes);
    auto const encode = [&](std::string_view s) { return text.utf8 ? std::string(s) : m_codePage.FromUtf8(s); };
    auto const value = ini::FindValue(text.body, encode(section), encode(key), text.Encoding());
    if (!value)
        return {};
    // The limit counts bytes of the code page, whatever the file's own encoding.
    std::string coded = text.utf8 ? m_codePage.FromUtf8(*value) : std::string(*value);
    size_t const limit = static_cast<size_t>(bufferBytes) - 1;
    if (coded.size() > limit)
        coded.resize(limit);
    return m_codePage.ToUtf8(coded);
}

int IniProfileFiles::ReadInt(std::string_view file, std::string_view section, std::string_view key, int defaultValue)
{
    if (file.empty())
        return defaultValue;
    auto const bytes = m_files.Read(file);
    if (!bytes)
        return defaultValue;
    FileText const text = Classify(*bytes);
    auto const encode = [&](std::string_view s) { return text.utf8 ? std::string(s) : m_codePage.FromUtf8(s); };
    auto const value = ini::FindValue(text.body, encode(section), encode(key), text.Encoding());
    if (!value || value->empty())
        return defaultValue;
    return ini::ParseLeadingInt(*value);
}

bool IniProfileFiles::WriteString(std::string_view file, std::string_view section, std::string_view key,
    std::string_view value)
{
    if (file.empty())
        return false;
    // A file that exists but cannot be read is never replaced: that would lose its other keys.
    auto const bytes = m_files.Read(file);
    if (!bytes)
        return false;
    FileText const text = Classify(*bytes);
    auto const encode = [&](std::string_view s) { return text.utf8 ? std::string(s) : m_codePage.FromUtf8(s); };
    std::string content = text.utf8 ? std::string(Utf8Bom) : std::string();
    content += ini::SetValue(text.body, encode(section), encode(key), encode(value), text.Encoding());
    return m_files.Replace(file, content);
}

}
