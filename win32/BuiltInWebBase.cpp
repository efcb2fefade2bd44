#include "win32/BuiltInWebBase.h"

#ifndef PICKER_WEB_BASE
#error "the program that ships names its web address in PICKER_WEB_BASE (empty for none)"
#endif

namespace app {

std::string_view BuiltInWebBase() { return PICKER_WEB_BASE; }

}
