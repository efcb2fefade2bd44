#include "platform/win32/Win32ProfileFiles.h"

#include "platform/win32/Unicode.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform::win32 {

// An empty file name would make the system fall back to win.ini; the program never means that.

std::string Win32ProfileFiles::ReadString(std::string_view file, std::string_view section, std::string_view key,
    int bufferBytes)
{
    if (bufferBytes <= 0 || file.empty())
        return {};
    std::vector<char> buffer(static_cast<size_t>(bufferBytes) + 1, '\0');
    DWORD const length = GetPrivateProfileStringA(AnsiFromUtf8(section).c_str(), AnsiFromUtf8(key).c_str(), "",
        buffer.data(), static_cast<DWORD>(bufferBytes), AnsiFromUtf8(file).c_str());
    // Some implementations count a terminator or end a cut value with half a double-byte
    // character; keep the whole characters before the first terminator.
    size_t const read = strnlen(buffer.data(), std::min<size_t>(length, static_cast<size_t>(bufferBytes) - 1));
    return Utf8FromAnsi(std::string_view(buffer.data(), read));
}

int Win32ProfileFiles::ReadInt(std::string_view file, std::string_view section, std::string_view key, int defaultValue)
{
    if (file.empty())
        return defaultValue;
    return static_cast<int>(GetPrivateProfileIntA(AnsiFromUtf8(section).c_str(), AnsiFromUtf8(key).c_str(),
        defaultValue, AnsiFromUtf8(file).c_str()));
}

bool Win32ProfileFiles::WriteString(std::string_view file, std::string_view section, std::string_view key,
    std::string_view value)
{
    if (file.empty())
        return false;
    return WritePrivateProfileStringA(AnsiFromUtf8(section).c_str(), AnsiFromUtf8(key).c_str(),
               AnsiFromUtf8(value).c_str(), AnsiFromUtf8(file).c_str())
        != 0;
}

}
