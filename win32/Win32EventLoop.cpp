#include "win32/Win32EventLoop.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

namespace platform::win32 {

double Win32EventLoop::NowSeconds() const { return static_cast<double>(GetTickCount64()) / 1000.0; }

void Win32EventLoop::ServeEvents(double maxWaitSeconds)
{
    if (m_quit)
        return;
    auto const wait = static_cast<DWORD>(std::clamp(std::ceil(maxWaitSeconds * 1000.0), 0.0, 60000.0));
    MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            m_quit = true;
            m_exitCode = static_cast<int>(message.wParam);
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int Win32EventLoop::Run()
{
    MSG message {};
    while (!m_quit) {
        BOOL const got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            m_quit = true;
            m_exitCode = static_cast<int>(message.wParam);
        } else if (got < 0) {
            m_quit = true;
            m_exitCode = 1;
        } else {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return m_exitCode;
}

}
