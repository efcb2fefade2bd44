#pragma once
// Time and the one event queue of the user-interface thread: the main loop runs on it, and the
// few places that wait while the windows stay responsive (the splash, an overlay's frames) serve
// it for a while. Once the program has been asked to end, it stays ended: waiting returns at once.

namespace platform {

class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual double NowSeconds() const = 0;
    // Handles what is pending, waiting at most maxWaitSeconds for something to arrive.
    virtual void ServeEvents(double maxWaitSeconds) = 0;
    // The program was asked to end (its last window closed, Alt+F4 on the splash).
    virtual bool QuitRequested() const = 0;
    // Serves events until the program is asked to end; returns its exit code.
    virtual int Run() = 0;
};

}
