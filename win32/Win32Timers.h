#pragma once
// Timers of a hidden window of their own (SetTimer on a message-only window), so they fire from
// any pump of the thread that made them and end with this object. Opaque handles only.

#include "platform/Timers.h"
#include "win32/MessageWindow.h"

#include <map>
#include <memory>

namespace platform::win32 {

class Win32Timers final : public Timers {
public:
    Win32Timers();
    ~Win32Timers() override;
    Win32Timers(Win32Timers const&) = delete;
    Win32Timers& operator=(Win32Timers const&) = delete;

    TimerId StartOnce(int milliseconds, std::function<void()> callback) override;
    TimerId StartRepeating(int milliseconds, std::function<void()> callback) override;
    void Stop(TimerId id) override;

private:
    struct Timer {
        // Shared so that a callback that stops its own timer keeps running to its end.
        std::shared_ptr<std::function<void()>> callback;
        bool repeating = false;
    };

    TimerId Start(int milliseconds, std::function<void()> callback, bool repeating);
    void Fire(TimerId id);

    std::map<TimerId, Timer> m_timers;
    TimerId m_lastId = 0;
    MessageWindow m_window;
};

}
