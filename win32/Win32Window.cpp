#include "win32/Win32Window.h"

#include "win32/Handles.h"
#include "win32/KeyboardState.h"
#include "win32/SystemFunctions.h"
#include "win32/Unicode.h"
#include "win32/Win32Pointer.h"
#include "win32/Win32Shell.h"

#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <bitset>

namespace platform::win32 {

namespace {

constexpr wchar_t WindowClass[] = L"ColourPickerWindow";
// The see-through colour key ignores the alpha value; it is kept at the value the program
// always gave it.
constexpr BYTE LayeredAlpha = 190;

DWORD StyleOf(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Framed:
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    case WindowKind::FullScreenTool:
        return WS_POPUP;
    case WindowKind::Frameless:
        break;
    }
    return WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU | WS_CLIPCHILDREN;
}

DWORD ExStyleOf(WindowOptions const& options)
{
    DWORD style = options.colourKey ? WS_EX_LAYERED : 0;
    if (options.kind == WindowKind::FullScreenTool)
        style |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    return style;
}

// One class serves every window of the program; registered with the first.
bool RegisterWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, WindowClass, &windowClass))
        return true;
    windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    // Double-clicks (the colour box, the swatches, the capture) are events of their own.
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    // No class cursor: the window sets its own shape at every WM_SETCURSOR.
    windowClass.lpszClassName = WindowClass;
    return RegisterClassExW(&windowClass) != 0;
}

gfx::Point PointOf(LPARAM lParam) { return { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) }; }

// The buttons held during a mouse message, as a button mask.
int HeldButtons(WPARAM wParam)
{
    int buttons = 0;
    if (wParam & MK_LBUTTON)
        buttons |= LeftButton;
    if (wParam & MK_RBUTTON)
        buttons |= RightButton;
    if (wParam & MK_MBUTTON)
        buttons |= MiddleButton;
    return buttons;
}

// Shift and Ctrl come with the mouse message; Alt only from the keyboard state.
int MouseShiftState(WPARAM wParam)
{
    int shift = 0;
    if (wParam & MK_SHIFT)
        shift |= ShiftKey;
    if (wParam & MK_CONTROL)
        shift |= CtrlKey;
    if (GetKeyState(VK_MENU) < 0)
        shift |= AltKey;
    return shift;
}

UINT TaskbarCreatedMessage()
{
    static UINT const message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

// A program run as administrator hears nothing from the ordinary shell unless it lets the message
// through: without TaskbarCreated, a restarted shell would leave a window hidden in the tray with no
// icon to bring it back.
void HearTaskbarCreated(HWND window) { HearFromAnyProgram(window, TaskbarCreatedMessage()); }

RECT RectOf(gfx::Rect area) { return { area.x, area.y, area.x + area.width, area.y + area.height }; }

}

class Win32Window::Procedure {
public:
    Procedure(Win32Window& owner, WindowOptions options, WindowClient& client)
        : m_owner(owner)
        , m_options(options)
        , m_client(client)
    {
    }
    // The window goes first, while everything its last messages reach is still here.
    ~Procedure() { Destroy(); }
    Procedure(Procedure const&) = delete;
    Procedure& operator=(Procedure const&) = delete;

    bool Create(gfx::Size clientSize, std::string_view caption);
    void Destroy() { m_handle = OwnedWindow(); }
    HWND Handle() const { return m_handle.Get(); }
    gfx::Size WindowSizeFor(gfx::Size client) const;
    DWORD Style() const { return StyleOf(m_options.kind); }
    DWORD ExStyle() const { return ExStyleOf(m_options); }
    WindowOptions const& Options() const { return m_options; }
    PointerShape shape = PointerShape::Arrow;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void PointerDown(int button, WPARAM wParam, LPARAM lParam);
    void PointerMove(WPARAM wParam, LPARAM lParam);
    void PointerUp(int button, WPARAM wParam, LPARAM lParam);
    bool TrayCallback(LPARAM lParam);
    void Close();

    Win32Window& m_owner;
    WindowOptions m_options;
    WindowClient& m_client;
    bool m_trackingLeave = false;
    bool m_releasingCapture = false;
    // The pointer left or the window lost the focus since the last press.
    bool m_pressSeriesBroken = false;
    char16_t m_highSurrogate = 0;
    std::bitset<256> m_keysPressedHere;
    // Set at WM_NCCREATE, forgotten at WM_NCDESTROY.
    OwnedWindow m_handle;
};

bool Win32Window::Procedure::Create(gfx::Size clientSize, std::string_view caption)
{
    if (m_handle.Get())
        return true;
    HINSTANCE const instance = GetModuleHandleW(nullptr);
    if (!RegisterWindowClass(instance, Proc))
        return false;

    gfx::Point corner;
    gfx::Size size;
    if (m_options.kind == WindowKind::FullScreenTool) {
        // No frame: the window is its client area, where it was asked to be.
        size = clientSize;
        corner = m_options.position.value_or(gfx::Point {});
    } else {
        size = WindowSizeFor(clientSize);
        if (m_options.position) {
            corner = *m_options.position;
        } else {
            RECT work {};
            if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
                work = { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
            // Centred, but a window larger than the work area (a high scale on a small screen)
            // keeps its top-left corner, with its title and buttons, on it.
            corner = { std::max<int>(work.left, work.left + (work.right - work.left - size.width) / 2),
                std::max<int>(work.top, work.top + (work.bottom - work.top - size.height) / 2) };
        }
    }
    // The window procedure takes ownership of the handle at WM_NCCREATE.
    HWND const window = CreateWindowExW(ExStyle(), WindowClass, Widen(caption).c_str(), Style(), corner.x, corner.y,
        size.width, size.height, nullptr, nullptr, instance, this);
    if (!window || window != m_handle.Get())
        return false;
    if (m_options.colourKey)
        SetLayeredWindowAttributes(window, static_cast<COLORREF>(m_options.keyColour), LayeredAlpha, LWA_COLORKEY);
    if (m_options.kind != WindowKind::FullScreenTool)
        HearTaskbarCreated(window);
    return true;
}

gfx::Size Win32Window::Procedure::WindowSizeFor(gfx::Size client) const
{
    RECT bounds { 0, 0, client.width, client.height };
    AdjustWindowRectEx(&bounds, Style(), FALSE, ExStyle());
    return { bounds.right - bounds.left, bounds.bottom - bounds.top };
}

void Win32Window::Procedure::Paint()
{
    PaintDc const paint(m_handle.Get());
    RECT const& area = paint.Area();
    if (area.right > area.left && area.bottom > area.top)
        m_client.PaintArea(paint.Get(), { area.left, area.top, area.right - area.left, area.bottom - area.top });
}

void Win32Window::Procedure::PointerDown(int button, WPARAM wParam, LPARAM lParam)
{
    m_pressSeriesBroken = false;
    // Held from the press to the release, so that a drag out of the window still reports.
    SetCapture(m_handle.Get());
    if (m_owner.m_input)
        m_owner.m_input->PointerDown(PointOf(lParam), button, MouseShiftState(wParam));
}

void Win32Window::Procedure::PointerMove(WPARAM wParam, LPARAM lParam)
{
    if (!m_trackingLeave) {
        TRACKMOUSEEVENT track {};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = m_handle.Get();
        m_trackingLeave = TrackMouseEvent(&track) != 0;
    }
    if (m_owner.m_input)
        m_owner.m_input->PointerMove(PointOf(lParam), HeldButtons(wParam), MouseShiftState(wParam));
}

void Win32Window::Procedure::PointerUp(int button, WPARAM wParam, LPARAM lParam)
{
    // wParam tells the buttons still held after this release. The pointer is let go before the
    // release is reported: a click may open a window (an overlay) that needs the pointer at once.
    if (HeldButtons(wParam) == 0 && GetCapture() == m_handle.Get()) {
        m_releasingCapture = true;
        ReleaseCapture();
        m_releasingCapture = false;
    }
    if (m_owner.m_input)
        m_owner.m_input->PointerUp(PointOf(lParam), button, MouseShiftState(wParam));
}

bool Win32Window::Procedure::TrayCallback(LPARAM lParam)
{
    if (!m_owner.m_shell)
        return false;
    // The low word is the mouse message that happened over the icon.
    switch (LOWORD(lParam)) {
    case WM_LBUTTONUP:
        m_owner.m_shell->TrayClicked(TrayButton::Left);
        break;
    case WM_RBUTTONUP:
        m_owner.m_shell->TrayClicked(TrayButton::Right);
        break;
    default:
        break;
    }
    return true;
}

void Win32Window::Procedure::Close()
{
    if (m_owner.m_shell) {
        // The handler may destroy this object: nothing here is touched after it.
        m_owner.m_shell->CloseRequested();
        return;
    }
    // An overlay ends by its own input, never by Alt+F4 from under the user's hand.
    if (m_options.kind == WindowKind::FullScreenTool)
        return;
    DestroyWindow(m_handle.Get());
    PostQuitMessage(0);
}

LRESULT CALLBACK Win32Window::Procedure::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto const* const creation = reinterpret_cast<CREATESTRUCTW const*>(lParam);
        auto* const creator = static_cast<Procedure*>(creation->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creator));
        creator->m_handle = OwnedWindow(window);
    }
    auto* const self = reinterpret_cast<Procedure*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after WM_NCDESTROY find no one.
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_handle.Forget();
        self->m_trackingLeave = false;
        self->m_client.WindowDestroyed();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Receive(window, message, wParam, lParam);
}

LRESULT Win32Window::Procedure::Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    InputEvents* const input = m_owner.m_input;
    switch (message) {
    case WM_ERASEBKGND:
        // The client covers the whole client area; erasing first would only flicker.
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) != HTCLIENT)
            break;
        SetCursor(static_cast<HCURSOR>(SystemCursor(shape)));
        return TRUE;
    case WM_LBUTTONDOWN:
        PointerDown(LeftButton, wParam, lParam);
        return 0;
    case WM_RBUTTONDOWN:
        PointerDown(RightButton, wParam, lParam);
        return 0;
    case WM_MBUTTONDOWN:
        PointerDown(MiddleButton, wParam, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
        int const button = message == WM_LBUTTONDBLCLK ? LeftButton
            : message == WM_RBUTTONDBLCLK              ? RightButton
                                                       : MiddleButton;
        // Two quick clicks with another window in between (an overlay the first one opened) are
        // two clicks, not a double-click.
        if (m_pressSeriesBroken) {
            PointerDown(button, wParam, lParam);
            return 0;
        }
        SetCapture(window);
        if (input)
            input->PointerDoubleClick(PointOf(lParam), button, MouseShiftState(wParam));
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            m_pressSeriesBroken = true;
            // Keys let go elsewhere send no release here.
            m_keysPressedHere.reset();
        }
        break;
    case WM_MOUSEMOVE:
        PointerMove(wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
        PointerUp(LeftButton, wParam, lParam);
        return 0;
    case WM_RBUTTONUP:
        PointerUp(RightButton, wParam, lParam);
        return 0;
    case WM_MBUTTONUP:
        PointerUp(MiddleButton, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window && !m_releasingCapture && input)
            input->PointerCaptureLost();
        return 0;
    case WM_MOUSELEAVE:
        m_trackingLeave = false;
        m_pressSeriesBroken = true;
        if (input)
            input->PointerLeft();
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        // A key held since before an overlay had the keyboard repeats into it (the Enter that
        // opened a pick from the main window would end it at once); only a key pressed there acts.
        auto const key = static_cast<std::size_t>(wParam & 0xFF);
        bool const repeat = (lParam & (LPARAM { 1 } << 30)) != 0;
        if (repeat && !m_keysPressedHere.test(key) && m_options.kind == WindowKind::FullScreenTool)
            return 0;
        m_keysPressedHere.set(key);
        // Unhandled system keys go on to the system: Alt+F4 still closes.
        if (input && input->KeyDown(static_cast<int>(wParam), KeyboardShiftState()))
            return 0;
        break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
        m_keysPressedHere.reset(static_cast<std::size_t>(wParam & 0xFF));
        break;
    case WM_CHAR: {
        auto const unit = static_cast<char16_t>(wParam);
        if (unit >= 0xD800 && unit < 0xDC00) {
            m_highSurrogate = unit;
            return 0;
        }
        char32_t character = unit;
        if (unit >= 0xDC00 && unit < 0xE000 && m_highSurrogate)
            character = 0x10000 + ((char32_t(m_highSurrogate) - 0xD800) << 10) + (unit - 0xDC00);
        m_highSurrogate = 0;
        if (input && input->KeyPress(character))
            return 0;
        break;
    }
    case WM_HOTKEY:
        // The chord comes in lParam: modifiers in the low word, the key in the high word. The
        // message then goes on to the default handling like any other.
        if (m_owner.m_shell)
            m_owner.m_shell->HotkeyPressed(static_cast<int>(wParam), static_cast<int>(LOWORD(lParam)),
                static_cast<int>(HIWORD(lParam)));
        break;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_DPICHANGED: {
        RECT const& suggested = *reinterpret_cast<RECT const*>(lParam);
        gfx::Rect const rect { suggested.left, suggested.top, suggested.right - suggested.left,
            suggested.bottom - suggested.top };
        if (m_client.DpiChanged(LOWORD(wParam), rect))
            return 0;
        break;
    }
    case WM_GETDPISCALEDSIZE:
        // Windows 10 1703 and later ask before a move onto another monitor's DPI.
        if (auto const client = m_client.ClientSizeAt(static_cast<int>(wParam))) {
            gfx::Size const outer = WindowSizeFor(*client);
            *reinterpret_cast<SIZE*>(lParam) = { outer.width, outer.height };
            return TRUE;
        }
        return FALSE;
    default:
        if (message == TrayCallbackMessage() && TrayCallback(lParam))
            return 0;
        if (message == TaskbarCreatedMessage() && m_owner.m_shell) {
            m_owner.m_shell->TaskbarCreated();
            return 0;
        }
        break;
    }
    std::intptr_t result = 0;
    if (m_client.OtherMessage(message, wParam, lParam, result))
        return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

Win32Window::Win32Window(WindowOptions options, WindowClient& client)
    : m_procedure(std::make_unique<Procedure>(*this, options, client))
{
}

Win32Window::~Win32Window()
{
    // The window goes while this object is whole, and tells its listeners nothing more: they may
    // be half gone already. The procedure's state, which the window's last messages reach, goes last.
    m_input = nullptr;
    m_shell = nullptr;
    m_procedure->Destroy();
}

bool Win32Window::Create(gfx::Size clientSize, std::string_view caption)
{
    return m_procedure->Create(clientSize, caption);
}

void* Win32Window::Handle() const { return m_procedure->Handle(); }

void Win32Window::Show()
{
    HWND const window = m_procedure->Handle();
    if (!window)
        return;
    // Above the other topmost windows, without activating: under Wine a window activated while
    // still hidden is left to a window manager, and with none it never gets the keyboard.
    if (m_procedure->Options().kind == WindowKind::FullScreenTool)
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // SW_SHOW would leave a minimised window minimised: shown, and still not on the screen.
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    // A window that takes over from another (the splash, a hidden main window) comes to the
    // front with the focus, or its first click would only activate it.
    SetForegroundWindow(window);
    SetActiveWindow(window);
    UpdateWindow(window);
}

void Win32Window::Hide()
{
    if (HWND const window = m_procedure->Handle())
        ShowWindow(window, SW_HIDE);
}

bool Win32Window::IsVisible() const
{
    HWND const window = m_procedure->Handle();
    return window && IsWindowVisible(window);
}

void Win32Window::MoveTo(gfx::Point topLeft)
{
    if (HWND const window = m_procedure->Handle())
        SetWindowPos(window, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32Window::IsMinimised() const
{
    HWND const window = m_procedure->Handle();
    return window && IsIconic(window);
}

gfx::Point Win32Window::Position() const
{
    RECT bounds {};
    if (HWND const window = m_procedure->Handle())
        GetWindowRect(window, &bounds);
    return { bounds.left, bounds.top };
}

gfx::Size Win32Window::ClientSize() const
{
    RECT client {};
    if (HWND const window = m_procedure->Handle())
        GetClientRect(window, &client);
    return { client.right, client.bottom };
}

void Win32Window::SetClientSize(gfx::Size size)
{
    HWND const window = m_procedure->Handle();
    if (!window || ClientSize() == size)
        return;
    gfx::Size const outer = m_procedure->WindowSizeFor(size);
    SetWindowPos(window, nullptr, 0, 0, outer.width, outer.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::Place(gfx::Point topLeft, gfx::Size clientSize)
{
    HWND const window = m_procedure->Handle();
    if (!window)
        return;
    gfx::Size const outer = m_procedure->WindowSizeFor(clientSize);
    SetWindowPos(window, nullptr, topLeft.x, topLeft.y, outer.width, outer.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::SetCaption(std::string_view caption)
{
    HWND const window = m_procedure->Handle();
    if (!window)
        return;
    std::wstring const wanted = Widen(caption);
    wchar_t shown[512] {};
    GetWindowTextW(window, shown, static_cast<int>(std::size(shown)));
    if (wanted != shown)
        SetWindowTextW(window, wanted.c_str());
}

void Win32Window::SetPointerShape(PointerShape shape)
{
    m_procedure->shape = shape;
    // Shown at once when the pointer is over the window, not only at its next move.
    HWND const window = m_procedure->Handle();
    POINT pointer {};
    if (window && GetCursorPos(&pointer) && WindowFromPoint(pointer) == window)
        SetCursor(static_cast<HCURSOR>(SystemCursor(shape)));
}

void Win32Window::Invalidate(gfx::Rect area)
{
    HWND const window = m_procedure->Handle();
    if (!window || area.width <= 0 || area.height <= 0)
        return;
    RECT const rect = RectOf(area);
    InvalidateRect(window, &rect, FALSE);
}

void Win32Window::InvalidateAll()
{
    if (HWND const window = m_procedure->Handle())
        InvalidateRect(window, nullptr, FALSE);
}

}
