#pragma once
// Waiting while serving window messages, for the splash's minimum time.

#include "platform/EventLoop.h"

namespace platform::win32 {

class Win32EventLoop final : public EventLoop {
public:
    double NowSeconds() const override;
    // A WM_QUIT met here is posted again, so the main loop still sees it.
    void ServeEvents(double maxWaitSeconds) override;
};

}
