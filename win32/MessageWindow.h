#pragma once
// A hidden message-only window (parent HWND_MESSAGE) for services that need a window of their own
// but never show one: the clipboard's owner, timers, tasks posted to the user-interface thread.
// Its messages reach the handler on the thread that made it, from whatever pump that thread runs.
// Opaque handles only: including this header does not bring in <windows.h>.

#include <cstdint>
#include <functional>

namespace platform::win32 {

class MessageWindow {
public:
    // Called for every message the window gets; the system's default handling follows.
    using Handler = std::function<void(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)>;

    explicit MessageWindow(Handler handler = {});
    ~MessageWindow();
    MessageWindow(MessageWindow const&) = delete;
    MessageWindow& operator=(MessageWindow const&) = delete;

    // The HWND; null when the system refused to make the window.
    void* Handle() const { return m_window; }

private:
    friend struct MessageWindowProcedure;

    Handler m_handler;
    void* m_window = nullptr;
};

}
