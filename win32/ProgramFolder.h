#pragma once

#include <string>

namespace platform::win32 {

// The folder of the running executable, without a trailing separator: a drive's root is "P:".
std::string ProgramFolder();

}
