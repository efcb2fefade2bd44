#pragma once
// The system's ANSI code page (936, GBK, on a Chinese system).

#include "platform/CodePage.h"

namespace platform::win32 {

class Win32CodePage final : public CodePage {
public:
    std::string FromUtf8(std::string_view utf8) const override;
    std::string ToUtf8(std::string_view ansi) const override;
};

}
