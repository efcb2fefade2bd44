#pragma once
// UTF-8 in memory, UTF-16 at the window and file APIs, a code page in the settings files: the
// conversions, in one place. Invalid input never fails a conversion; it is replaced.

#include <string>
#include <string_view>

namespace platform::win32 {

// The code page of the settings file, the skins and the maker's pages: GBK, as on the Chinese
// systems the program was made for, whatever the system's own ANSI code page is.
inline constexpr unsigned ChineseCodePage = 936;

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

std::string CodePageFromUtf8(unsigned codePage, std::string_view utf8);
std::string Utf8FromCodePage(unsigned codePage, std::string_view bytes);
// The longest prefix of `bytes` that ends on a whole character of the code page.
std::string_view WholeCharacters(unsigned codePage, std::string_view bytes);

}
