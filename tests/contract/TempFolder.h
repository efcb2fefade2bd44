#pragma once
// A folder of its own for one test, removed afterwards, and raw file access for checking what the
// code under test really wrote. Works natively and under Wine.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(TempFolder const&) = delete;
    TempFolder& operator=(TempFolder const&) = delete;

    std::filesystem::path const& Path() const { return m_path; }
    // The full path of a file in the folder, as UTF-8 text for the code under test.
    std::string File(std::string_view name) const;

private:
    std::filesystem::path m_path;
};

std::filesystem::path PathFromText(std::string_view utf8);
void WriteBytes(std::string_view file, std::string_view bytes);
std::optional<std::string> ReadBytes(std::string_view file);
