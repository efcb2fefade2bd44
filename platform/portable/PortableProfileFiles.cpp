#include "platform/portable/PortableProfileFiles.h"

#include "platform/portable/IniText.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

fs::path NativePath(std::string_view file)
{
    std::string path(file);
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    return fs::path(path);
}

// The whole file, or nothing when it cannot be read. A missing file reads as empty text.
std::optional<std::string> ReadWholeFile(fs::path const& path)
{
    std::error_code error;
    if (!fs::exists(path, error))
        return error ? std::nullopt : std::optional<std::string>(std::string());
    if (!fs::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(content).str();
}

// Like a file with the read-only attribute on Windows: no write bit for anybody. Checked
// explicitly because the superuser could otherwise write it anyway.
bool IsReadOnly(fs::path const& path)
{
    std::error_code error;
    auto const status = fs::status(path, error);
    if (error || !fs::exists(status))
        return false;
    auto const writeBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & writeBits) == fs::perms::none;
}

// Writes the new content beside the file and moves it into place, so an interrupted write never
// leaves a half-written settings file behind.
bool ReplaceFile(fs::path const& path, std::string const& content)
{
    fs::path temporary = path;
    temporary += ".tmp-write";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::error_code ignored;
    auto const existing = fs::status(path, ignored);
    if (fs::exists(existing))
        fs::permissions(temporary, existing.permissions(), ignored);
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

struct DecodedFile {
    std::string_view body;
    bool utf8; // a file that starts with a UTF-8 byte-order mark holds UTF-8, whatever the code page
};

DecodedFile Classify(std::string const& bytes)
{
    if (std::string_view(bytes).starts_with(Utf8Bom))
        return { std::string_view(bytes).substr(Utf8Bom.size()), true };
    return { bytes, false };
}

}

PortableProfileFiles::PortableProfileFiles(CodePage const& codePage)
    : m_codePage(codePage)
{
}

namespace {

ini::Encoding EncodingOf(bool utf8) { return utf8 ? ini::Encoding::Utf8 : ini::Encoding::CodePage; }

}

std::string PortableProfileFiles::ReadString(std::string_view file, std::string_view section, std::string_view key,
    int bufferBytes)
{
    if (bufferBytes <= 0)
        return {};
    auto const bytes = ReadWholeFile(NativePath(file));
    if (!bytes)
        return {};
    auto const decoded = Classify(*bytes);
    std::string_view const body = decoded.body;
    bool const utf8 = decoded.utf8;
    auto const encode = [&](std::string_view text) { return utf8 ? std::string(text) : m_codePage.FromUtf8(text); };
    auto const value = ini::FindValue(body, encode(section), encode(key), EncodingOf(utf8));
    if (!value)
        return {};
    // The limit counts bytes of the code page, whatever the file's own encoding.
    std::string ansi = utf8 ? m_codePage.FromUtf8(*value) : std::string(*value);
    size_t const limit = static_cast<size_t>(bufferBytes) - 1;
    if (ansi.size() > limit)
        ansi.resize(limit);
    return m_codePage.ToUtf8(ansi);
}

int PortableProfileFiles::ReadInt(std::string_view file, std::string_view section, std::string_view key,
    int defaultValue)
{
    auto const bytes = ReadWholeFile(NativePath(file));
    if (!bytes)
        return defaultValue;
    auto const decoded = Classify(*bytes);
    std::string_view const body = decoded.body;
    bool const utf8 = decoded.utf8;
    auto const encode = [&](std::string_view text) { return utf8 ? std::string(text) : m_codePage.FromUtf8(text); };
    auto const value = ini::FindValue(body, encode(section), encode(key), EncodingOf(utf8));
    if (!value || value->empty())
        return defaultValue;
    return ini::ParseLeadingInt(*value);
}

bool PortableProfileFiles::WriteString(std::string_view file, std::string_view section, std::string_view key,
    std::string_view value)
{
    fs::path const path = NativePath(file);
    if (IsReadOnly(path))
        return false;
    // A file that exists but cannot be read is never replaced: that would lose its other keys.
    auto const bytes = ReadWholeFile(path);
    if (!bytes)
        return false;
    auto const decoded = Classify(*bytes);
    std::string_view const body = decoded.body;
    bool const utf8 = decoded.utf8;
    auto const encode = [&](std::string_view text) { return utf8 ? std::string(text) : m_codePage.FromUtf8(text); };
    std::string content = utf8 ? std::string(Utf8Bom) : std::string();
    content += ini::SetValue(body, encode(section), encode(key), encode(value), EncodingOf(utf8));
    return ReplaceFile(path, content);
}

}
