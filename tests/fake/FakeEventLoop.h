#pragma once
// Time that passes only when the program waits for events.

#include "platform/EventLoop.h"

#include <functional>

namespace platform::fake {

class FakeEventLoop final : public EventLoop {
public:
    double NowSeconds() const override { return m_now; }
    void ServeEvents(double maxWaitSeconds) override
    {
        ++m_serves;
        // What arrives while the program waits.
        if (OnServe)
            OnServe();
        m_now += maxWaitSeconds < m_step ? maxWaitSeconds : m_step;
    }

    bool QuitRequested() const override { return m_quit; }
    int Run() override { return m_exitCode; }

    // What a window closing with the loop's end does.
    void RequestQuit(int exitCode = 0)
    {
        m_quit = true;
        m_exitCode = exitCode;
    }
    int Serves() const { return m_serves; }
    std::function<void()> OnServe;
    // How long each wait takes at most before an event comes in.
    void SetStep(double seconds) { m_step = seconds; }

private:
    double m_now = 1000;
    double m_step = 0.1;
    int m_serves = 0;
    bool m_quit = false;
    int m_exitCode = 0;
};

}
