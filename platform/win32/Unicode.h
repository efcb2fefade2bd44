#pragma once
// UTF-8 in memory, UTF-16 at the window APIs, the ANSI code page in files: the conversions, in one
// place. Invalid input never fails a conversion; it is replaced.

#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

std::string AnsiFromUtf8(std::string_view utf8);
std::string Utf8FromAnsi(std::string_view ansi);

// The longest prefix of `ansi` that ends on a whole character of the ANSI code page.
std::string_view WholeAnsiCharacters(std::string_view ansi);

}
