#pragma once
// The maker's web address an executable of the program was built with; empty when it was built
// with none. Each executable compiles BuiltInWebBase.cpp with an address of its own: the program
// that ships takes the build option PICKER_WEB_BASE, the end-to-end tests' copy a server on this
// machine.

#include <string_view>

namespace app {

std::string_view BuiltInWebBase();

}
