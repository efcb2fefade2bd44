#include "TempFolder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::string AsText(fs::path const& path)
{
    auto const text = path.u8string();
    return std::string(reinterpret_cast<char const*>(text.data()), text.size());
}

}

fs::path PathFromText(std::string_view utf8)
{
    return fs::path(std::u8string(reinterpret_cast<char8_t const*>(utf8.data()), utf8.size()));
}

TempFolder::TempFolder()
{
    static std::atomic<unsigned> counter { 0 };
    auto const stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_path = fs::temp_directory_path()
            / ("picker-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        if (fs::create_directory(m_path))
            return;
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    // A file left read-only would keep Windows from removing the folder.
    for (auto const& entry : fs::recursive_directory_iterator(m_path, ignored))
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

std::string TempFolder::File(std::string_view name) const { return AsText(m_path / PathFromText(name)); }

void WriteBytes(std::string_view file, std::string_view bytes)
{
    std::ofstream out(PathFromText(file), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write test file");
}

std::optional<std::string> ReadBytes(std::string_view file)
{
    std::ifstream in(PathFromText(file), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return std::move(content).str();
}
