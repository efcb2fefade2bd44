#pragma once
// The message pump of the user-interface thread, the only one in the program.

#include "platform/EventLoop.h"

namespace platform::win32 {

class Win32EventLoop final : public EventLoop {
public:
    double NowSeconds() const override;
    void ServeEvents(double maxWaitSeconds) override;
    bool QuitRequested() const override { return m_quit; }
    int Run() override;

private:
    bool m_quit = false;
    int m_exitCode = 0;
};

}
