#include "win32/Win32CodePage.h"

#include <windows.h>

namespace platform::win32 {

Win32CodePage::Win32CodePage(unsigned codePage)
    : m_codePage(IsValidCodePage(codePage) ? codePage : CP_ACP)
{
}

std::string Win32CodePage::FromUtf8(std::string_view utf8) const { return CodePageFromUtf8(m_codePage, utf8); }
std::string Win32CodePage::ToUtf8(std::string_view bytes) const { return Utf8FromCodePage(m_codePage, bytes); }

}
