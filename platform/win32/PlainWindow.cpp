#include "platform/win32/PlainWindow.h"

#include "platform/win32/Unicode.h"

#include <windows.h>

#include <iterator>

namespace platform::win32 {

namespace {

constexpr wchar_t ClassName[] = L"ColourPickerPlainWindow";

// Without a window manager (as on a bare X server) the title bar is not drawn, so the window
// shows its title inside as well.
void PaintTitle(HWND window)
{
    PAINTSTRUCT paint;
    HDC const dc = BeginPaint(window, &paint);
    wchar_t title[256] {};
    int const length = GetWindowTextW(window, title, static_cast<int>(std::size(title)));
    RECT client;
    GetClientRect(window, &client);
    HGDIOBJ const oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, title, length, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    EndPaint(window, &paint);
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintTitle(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Owns the window; destroying it ends the message loop.
class OwnedWindow {
public:
    explicit OwnedWindow(HWND window)
        : m_window(window)
    {
    }
    ~OwnedWindow()
    {
        if (m_window && IsWindow(m_window))
            DestroyWindow(m_window);
    }
    OwnedWindow(OwnedWindow const&) = delete;
    OwnedWindow& operator=(OwnedWindow const&) = delete;

    HWND Get() const { return m_window; }

private:
    HWND m_window;
};

}

int RunPlainWindow(std::string_view title)
{
    HINSTANCE const instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = PlainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = ClassName;
    if (!RegisterClassExW(&windowClass))
        return 1;

    int const width = 480;
    int const height = 320;
    int const left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int const top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    OwnedWindow window(CreateWindowExW(0, ClassName, Widen(title).c_str(), WS_OVERLAPPEDWINDOW, left, top, width,
        height, nullptr, nullptr, instance, nullptr));
    if (!window.Get())
        return 1;
    ShowWindow(window.Get(), SW_SHOWNORMAL);
    UpdateWindow(window.Get());

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}
