#include "win32/Unicode.h"

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

std::string CodePageFromUtf8(unsigned codePage, std::string_view utf8) { return FromWide(codePage, Widen(utf8)); }

std::string Utf8FromCodePage(unsigned codePage, std::string_view bytes)
{
    return Narrow(ToWide(codePage, WholeCharacters(codePage, bytes)));
}

std::string_view WholeCharacters(unsigned codePage, std::string_view bytes)
{
    size_t whole = 0;
    for (size_t i = 0; i < bytes.size();) {
        size_t const step = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(bytes[i])) ? 2 : 1;
        if (i + step > bytes.size())
            break;
        i += step;
        whole = i;
    }
    return bytes.substr(0, whole);
}

}
