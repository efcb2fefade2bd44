#include "tests/fake/FakeSystem.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace platform::fake {

namespace {

std::string MakeProgramFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "picker-fake-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a program folder for the fake system");
    return pattern;
}

}

FakeSystem::FakeSystem()
    : m_programFolder(MakeProgramFolder())
    , m_profiles(m_codePage)
{
}

FakeSystem::~FakeSystem()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_programFolder, ignored);
}

}
