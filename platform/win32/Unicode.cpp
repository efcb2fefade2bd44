#include "platform/win32/Unicode.h"

#include <windows.h>

namespace platform::win32 {

namespace {

std::wstring ToWide(UINT codePage, std::string_view text)
{
    if (text.empty())
        return {};
    int const length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
    return result;
}

std::string FromWide(UINT codePage, std::wstring_view text)
{
    if (text.empty())
        return {};
    int const length
        = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr,
            nullptr);
    return result;
}

}

std::wstring Widen(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string Narrow(std::wstring_view utf16) { return FromWide(CP_UTF8, utf16); }

std::string AnsiFromUtf8(std::string_view utf8) { return FromWide(CP_ACP, Widen(utf8)); }

std::string Utf8FromAnsi(std::string_view ansi) { return Narrow(ToWide(CP_ACP, WholeAnsiCharacters(ansi))); }

std::string_view WholeAnsiCharacters(std::string_view ansi)
{
    size_t whole = 0;
    for (size_t i = 0; i < ansi.size();) {
        size_t const step = IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(ansi[i])) ? 2 : 1;
        if (i + step > ansi.size())
            break;
        i += step;
        whole = i;
    }
    return ansi.substr(0, whole);
}

}
