#pragma once
// The way back to the user-interface thread: work done elsewhere (an HTTP fetch) posts a task,
// and the task runs on the user-interface thread from whatever pump runs there, the main loop, a
// modal message box or an overlay's own loop. Portable code never runs on another thread.

#include <functional>

namespace platform {

class UiThread {
public:
    virtual ~UiThread() = default;
    // From any thread. Tasks run in the order they were posted; tasks still waiting when this
    // object goes are dropped without running. Nobody may post once destruction has begun.
    virtual void Post(std::function<void()> task) = 0;
};

}
