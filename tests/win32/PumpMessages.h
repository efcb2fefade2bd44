#pragma once
// A message pump for tests: serves this thread's queue until done() holds or the time is up.

#include <windows.h>

#include <chrono>
#include <functional>

inline void PumpMessagesUntil(std::function<bool()> const& done, std::chrono::milliseconds limit)
{
    auto const deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        auto const left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return;
        MsgWaitForMultipleObjects(
            0, nullptr, FALSE, static_cast<DWORD>(left.count() < 10 ? left.count() : 10), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}
