#pragma once
// Tasks for the user-interface thread: a mutex-guarded queue and a message-only window made on
// that thread, woken with PostMessage so that any of the thread's pumps runs the tasks. Opaque
// handles only.

#include "platform/UiThread.h"
#include "win32/MessageWindow.h"

#include <deque>
#include <mutex>

namespace platform::win32 {

class Win32UiThread final : public UiThread {
public:
    // Made on the user-interface thread.
    Win32UiThread();
    ~Win32UiThread() override;
    Win32UiThread(Win32UiThread const&) = delete;
    Win32UiThread& operator=(Win32UiThread const&) = delete;

    void Post(std::function<void()> task) override;

private:
    void WakeUp(); // with the mutex held
    void RunNext();

    std::mutex m_mutex;
    std::deque<std::function<void()>> m_tasks;
    bool m_wakeUpPosted = false;
    bool m_closed = false;
    MessageWindow m_window;
};

}
