#pragma once
// A code page of the system's conversion functions; by default the Chinese one (936, GBK) that
// the settings, the skins and the maker's pages are written in, whatever the system's ANSI code
// page is. A system that lacks it falls back to its ANSI code page.

#include "platform/CodePage.h"
#include "win32/Unicode.h"

namespace platform::win32 {

class Win32CodePage final : public CodePage {
public:
    explicit Win32CodePage(unsigned codePage = ChineseCodePage);


    std::string FromUtf8(std::string_view utf8) const override;
    std::string ToUtf8(std::string_view bytes) const override;

private:
    unsigned m_codePage;
};

}
