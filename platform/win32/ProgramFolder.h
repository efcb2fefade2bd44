#pragma once

#include <string>

namespace platform::win32 {

// The folder of the running executable, without a trailing separator.
std::string ProgramFolder();

}
