#pragma once
// A skin description as the text of its shizhi.ini: every key of the skin key table with the
// description's value, section by section in the table's order, CR LF line ends, plain ASCII (the
// program reads the file in the system's code page, which agrees with ASCII only).

#include "skin/SkinDescription.h"

#include <string>

namespace skin {

// Image names must be ASCII, free of line breaks and short enough to be read back whole.
std::string SkinDescriptionText(SkinDescription const& description);

}
