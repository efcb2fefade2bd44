#pragma once
// The maker's web address an executable of the program was built to fetch from; empty for none.
// Each executable links a definition of its own: the program that ships compiles in the build
// option PICKER_WEB_BASE (BuiltInWebBase.cpp), the end-to-end tests' copy asks the test run that
// started it for its server on this machine (LocalWebBase.cpp).

#include <string_view>

namespace app {

std::string_view BuiltInWebBase();

}
