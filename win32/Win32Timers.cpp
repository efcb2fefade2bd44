#include "win32/Win32Timers.h"

#include <windows.h>

#include <algorithm>

namespace platform::win32 {

Win32Timers::Win32Timers()
    : m_window([this](unsigned message, std::uintptr_t wParam, std::intptr_t) {
        if (message == WM_TIMER)
            Fire(static_cast<TimerId>(wParam));
    })
{
}

// The window goes first and takes its timers with it.
Win32Timers::~Win32Timers() = default;

TimerId Win32Timers::StartOnce(int milliseconds, std::function<void()> callback)
{
    return Start(milliseconds, std::move(callback), false);
}

TimerId Win32Timers::StartRepeating(int milliseconds, std::function<void()> callback)
{
    return Start(milliseconds, std::move(callback), true);
}

TimerId Win32Timers::Start(int milliseconds, std::function<void()> callback, bool repeating)
{
    auto const window = static_cast<HWND>(m_window.Handle());
    if (!window)
        return 0;
    TimerId const id = ++m_lastId;
    auto const period = static_cast<UINT>(std::max(milliseconds, 0));
    if (!SetTimer(window, id, period, nullptr))
        return 0;
    m_timers[id] = { std::make_shared<std::function<void()>>(std::move(callback)), repeating };
    return id;
}

void Win32Timers::Stop(TimerId id)
{
    // A WM_TIMER already waiting in the queue finds no timer of that id and does nothing.
    if (m_timers.erase(id) > 0)
        KillTimer(static_cast<HWND>(m_window.Handle()), id);
}

void Win32Timers::Fire(TimerId id)
{
    auto const found = m_timers.find(id);
    if (found == m_timers.end())
        return;
    auto const callback = found->second.callback;
    if (!found->second.repeating)
        Stop(id);
    (*callback)();
}

}
