#pragma once
// Timers on the user-interface thread: the ticker's 2-second step, an overlay's delays. Callbacks
// run from the thread's event pump, never from inside Start.

#include <functional>

namespace platform {

// 0 is no timer; ids are not reused, so stopping an old id never stops a newer timer.
using TimerId = unsigned;

class Timers {
public:
    virtual ~Timers() = default;

    // Fires once, after milliseconds. 0 when the system refuses a timer.
    virtual TimerId StartOnce(int milliseconds, std::function<void()> callback) = 0;
    // Fires every milliseconds until stopped.
    virtual TimerId StartRepeating(int milliseconds, std::function<void()> callback) = 0;
    // A stopped timer never fires again, even when its time had already come. Safe from the
    // timer's own callback and for ids that already ended.
    virtual void Stop(TimerId id) = 0;
};

}
