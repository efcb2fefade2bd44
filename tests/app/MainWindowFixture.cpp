#include "MainWindowFixture.h"

#include <fstream>

void MainWindowFixture::WriteRaw(std::filesystem::path const& path, std::string const& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
