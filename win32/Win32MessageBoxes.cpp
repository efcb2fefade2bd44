#include "win32/Win32MessageBoxes.h"

#include "win32/Unicode.h"

#include <windows.h>

namespace platform::win32 {

namespace {

constexpr wchar_t Title[] = L"提示";

}

void Win32MessageBoxes::ShowNotice(std::string_view text, void* owner)
{
    MessageBoxW(static_cast<HWND>(owner), Widen(text).c_str(), Title, MB_OK);
}

bool Win32MessageBoxes::AskOkCancel(std::string_view question, void* owner)
{
    return MessageBoxW(static_cast<HWND>(owner), Widen(question).c_str(), Title, MB_OKCANCEL) == IDOK;
}

}
