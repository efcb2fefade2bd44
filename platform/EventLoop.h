#pragma once
// Time and the event queue, for the few places that wait while the window stays responsive.

namespace platform {

class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual double NowSeconds() const = 0;
    // Handles what is pending, waiting at most maxWaitSeconds for something to arrive.
    virtual void ServeEvents(double maxWaitSeconds) = 0;
};

}
