#include "platform/portable/PortableProfileFiles.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

namespace {

fs::path NativePath(std::string_view file)
{
    std::string path(file);
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    return fs::path(path);
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

}

PortableProfileFiles::PortableProfileFiles(CodePage const& codePage)
    : IniProfileFiles(static_cast<PlainFiles&>(*this), codePage)
{
}

std::optional<std::string> PlainFiles::Read(std::string_view file)
{
    fs::path const path = NativePath(file);
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

// Writes the new content beside the file and moves it into place.
bool PlainFiles::Replace(std::string_view file, std::string_view content)
{
    fs::path const path = NativePath(file);
    if (IsReadOnly(path))
        return false;
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

}
