#include "platform/win32/Win32CodePage.h"

#include "platform/win32/Unicode.h"

namespace platform::win32 {

std::string Win32CodePage::FromUtf8(std::string_view utf8) const { return AnsiFromUtf8(utf8); }
std::string Win32CodePage::ToUtf8(std::string_view ansi) const { return Utf8FromAnsi(ansi); }

}
