#pragma once
// Timers and posted tasks run from the thread's event pump. Each test program that links the
// contract says which implementation it tests, and how the pump is served while time passes.

#include "platform/Timers.h"
#include "platform/UiThread.h"

#include <functional>
#include <memory>

class EventServices {
public:
    virtual ~EventServices() = default;
    virtual platform::Timers& Timers() = 0;
    // Null once dropped.
    virtual platform::UiThread* UiThread() = 0;
    virtual void DropUiThread() = 0;
    // Serves the pump (letting time pass) until done() holds or about maxMilliseconds have gone.
    virtual void ServeUntil(std::function<bool()> const& done, int maxMilliseconds) = 0;
    void Serve(int milliseconds)
    {
        ServeUntil([] { return false; }, milliseconds);
    }
};

std::unique_ptr<EventServices> MakeEventServicesUnderTest();
