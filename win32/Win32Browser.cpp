#include "win32/Win32Browser.h"

#include "win32/Unicode.h"

#include <windows.h>

#include <shellapi.h>

namespace platform::win32 {

bool Win32Browser::OpenWebLink(std::string_view link)
{
    // ShellExecute answers a number above 32 for success, in the guise of a module handle.
    auto const result = ShellExecuteW(nullptr, L"open", Widen(link).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}
