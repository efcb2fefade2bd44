#pragma once
// The operating system as the tests see it: a program folder of its own on disk, the Chinese code
// page and profile files that follow the system's rules. Tests drive the portable code through it.

#include "platform/portable/IconvCodePage.h"
#include "platform/portable/PortableProfileFiles.h"

#include <string>

namespace platform::fake {

class FakeSystem {
public:
    FakeSystem();
    ~FakeSystem();
    FakeSystem(FakeSystem const&) = delete;
    FakeSystem& operator=(FakeSystem const&) = delete;

    // A fresh, empty folder, removed with the fake.
    std::string const& ProgramFolder() const { return m_programFolder; }
    CodePage const& AnsiCodePage() const { return m_codePage; }
    ProfileFiles& Profiles() { return m_profiles; }

private:
    std::string m_programFolder;
    IconvCodePage m_codePage;
    PortableProfileFiles m_profiles;
};

}
