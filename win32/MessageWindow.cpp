#include "win32/MessageWindow.h"

#include <windows.h>

namespace platform::win32 {

namespace {

constexpr wchar_t MessageWindowClass[] = L"ColourPickerMessageWindow";

MessageWindow* OwnerOf(HWND window)
{
    return reinterpret_cast<MessageWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}

struct MessageWindowProcedure {
    static LRESULT CALLBACK Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

LRESULT CALLBACK MessageWindowProcedure::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto const* create = reinterpret_cast<CREATESTRUCTW const*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (MessageWindow* const owner = OwnerOf(window); owner && owner->m_handler)
        owner->m_handler(message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

MessageWindow::MessageWindow(Handler handler)
    : m_handler(std::move(handler))
{
    HINSTANCE const instance = GetModuleHandleW(nullptr);
    // Registered once for the process; a second registration is refused and changes nothing.
    static bool const registered = [instance] {
        WNDCLASSEXW windowClass {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &MessageWindowProcedure::Handle;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = MessageWindowClass;
        return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    if (registered)
        m_window = CreateWindowExW(0, MessageWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
}

MessageWindow::~MessageWindow()
{
    if (!m_window)
        return;
    // The handler belongs to an object that is going away: no message reaches it from here on.
    auto const window = static_cast<HWND>(m_window);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

}
