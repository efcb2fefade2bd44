#pragma once
// Functions newer than the oldest system the program runs on (Windows 7 SP1), found by name at
// run time: a system without one loses only what it does. Internal to win32.

#include <windows.h>

namespace platform::win32 {

// The function `name` of `module` as its real type; null when either is missing.
template<typename Function>
Function LookUp(HMODULE module, char const* name)
{
    if (!module)
        return nullptr;
    // The usual way from a looked-up procedure to its real type.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The same in user32, which every window program has loaded.
template<typename Function>
Function LookUpUser32(char const* name)
{
    return LookUp<Function>(GetModuleHandleW(L"user32.dll"), name);
}

// Lets a message reach the window from programs of lower integrity, such as the shell when this
// program runs as administrator.
inline void HearFromAnyProgram(HWND window, UINT message)
{
    using Filter = BOOL(WINAPI*)(HWND, UINT, DWORD, PCHANGEFILTERSTRUCT);
    static auto const filter = LookUpUser32<Filter>("ChangeWindowMessageFilterEx");
    if (filter && window)
        filter(window, message, MSGFLT_ALLOW, nullptr);
}

}
