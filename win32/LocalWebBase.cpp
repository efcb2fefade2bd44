#include "win32/BuiltInWebBase.h"

#include <cstdlib>
#include <string>

namespace app {

// Only the end-to-end tests' copy of the program reads this; the program that ships reads no
// environment. Each test run serves its pages on a port of its own, so the address comes at run
// time. Anything but a server on this machine counts as none; the loopback text kept here also
// makes the package step refuse this executable.
std::string_view BuiltInWebBase()
{
    static std::string const base = [] {
        constexpr std::string_view loopback = "http://127.0.0.1:";
        char const* const given = std::getenv("PICKER_LOCAL_WEB_BASE");
        std::string_view const text = given ? given : "";
        return text.starts_with(loopback) ? std::string(text) : std::string();
    }();
    return base;
}

}
