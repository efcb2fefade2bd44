#include "platform/win32/FormWindow.h"

#include "platform/win32/DibImage.h"
#include "platform/win32/Handles.h"
#include "platform/win32/NativeChildren.h"
#include "platform/win32/Unicode.h"

#include <windows.h>
#include <windowsx.h>

namespace platform::win32 {

namespace {

constexpr wchar_t ClassName[] = L"ColourPickerForm";
// The see-through colour key ignores the alpha value; it is kept at the value the program
// always gave it.
constexpr BYTE LayeredAlpha = 190;

constexpr DWORD FramelessStyle = WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU;
constexpr DWORD FramedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// One class serves every form window; registered with the first.
bool RegisterFormClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, ClassName, &windowClass))
        return true;
    windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    // Double-clicks on the skin (the colour box, the swatches) are events of their own.
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = ClassName;
    return RegisterClassExW(&windowClass) != 0;
}

gfx::Point PointOf(LPARAM lParam) { return { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) }; }

// The buttons held during a mouse message, as the form's button mask.
int HeldButtons(WPARAM wParam)
{
    int buttons = 0;
    if (wParam & MK_LBUTTON)
        buttons |= ui::LeftButton;
    if (wParam & MK_RBUTTON)
        buttons |= ui::RightButton;
    if (wParam & MK_MBUTTON)
        buttons |= ui::MiddleButton;
    return buttons;
}

// Shift and Ctrl come with the mouse message; Alt only from the keyboard state.
int MouseShiftState(WPARAM wParam)
{
    int shift = 0;
    if (wParam & MK_SHIFT)
        shift |= ui::ShiftKey;
    if (wParam & MK_CONTROL)
        shift |= ui::CtrlKey;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ui::AltKey;
    return shift;
}

}

class FormWindow::Window {
public:
    Window(FormWindow& owner, ui::Form& form, Win32TextRenderer& fonts, FormWindowOptions options)
        : m_owner(owner)
        , m_form(form)
        , m_options(options)
        , m_children(form, fonts)
    {
    }

    // The window goes first, while everything its last messages reach is still here.
    ~Window() { m_handle = OwnedWindow(); }

    Window(Window const&) = delete;
    Window& operator=(Window const&) = delete;

    bool Create();
    HWND Handle() const { return m_handle.Get(); }
    void SyncCaption();
    void FitToForm();
    void Repaint();
    void ControlChanged(ui::Control const& control);
    void SyncLayout() { m_children.SyncLayout(); }
    HWND ChildOf(ui::Control const& control) const { return m_children.WindowOf(control); }
    // The form forgets its host; called as the host goes.
    void Release()
    {
        if (m_hosting)
            m_form.SetHost(nullptr);
        m_hosting = false;
    }
    gfx::Image const& BackBuffer() const
    {
        static gfx::Image const none;
        return m_back ? m_back->Pixels() : none;
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void PointerDown(int button, WPARAM wParam, LPARAM lParam);
    void PointerMove(WPARAM wParam, LPARAM lParam);
    void PointerUp(int button, WPARAM wParam, LPARAM lParam);
    void Close();
    DWORD Style() const { return m_options.frameless ? FramelessStyle : FramedStyle; }
    DWORD ExStyle() const { return m_options.colourKey ? WS_EX_LAYERED : 0; }
    // The window size that gives the form's size as client area.
    gfx::Size WindowSizeFor(gfx::Size client) const;

    FormWindow& m_owner;
    ui::Form& m_form;
    FormWindowOptions m_options;
    NativeChildren m_children;
    std::optional<DibImage> m_back;
    // A new back buffer holds nothing yet: it is painted whether or not the form asks.
    bool m_backBlank = true;
    gfx::Size m_clientSize;
    bool m_trackingLeave = false;
    bool m_hosting = false;
    // Set at WM_NCCREATE, forgotten at WM_NCDESTROY.
    OwnedWindow m_handle;
};

bool FormWindow::Window::Create()
{
    if (m_handle.Get())
        return true;
    HINSTANCE const instance = GetModuleHandleW(nullptr);
    if (!RegisterFormClass(instance, Proc))
        return false;

    m_clientSize = m_form.Size();
    gfx::Size const size = WindowSizeFor(m_clientSize);
    gfx::Point corner;
    if (m_options.position) {
        corner = *m_options.position;
    } else {
        RECT work {};
        if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
            work = { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
        corner = { work.left + (work.right - work.left - size.width) / 2,
            work.top + (work.bottom - work.top - size.height) / 2 };
    }
    // The window procedure takes ownership of the handle at WM_NCCREATE.
    HWND const window = CreateWindowExW(ExStyle(), ClassName, Widen(m_form.Caption()).c_str(),
        Style() | WS_CLIPCHILDREN, corner.x, corner.y, size.width, size.height, nullptr, nullptr, instance, this);
    if (!window || window != m_handle.Get())
        return false;
    m_form.SetHost(&m_owner);
    m_hosting = true;
    if (m_options.colourKey)
        SetLayeredWindowAttributes(window, static_cast<COLORREF>(m_options.keyColour), LayeredAlpha, LWA_COLORKEY);
    m_children.Create(window);
    return true;
}

gfx::Size FormWindow::Window::WindowSizeFor(gfx::Size client) const
{
    RECT bounds { 0, 0, client.width, client.height };
    AdjustWindowRectEx(&bounds, Style(), FALSE, ExStyle());
    return { bounds.right - bounds.left, bounds.bottom - bounds.top };
}

void FormWindow::Window::SyncCaption()
{
    HWND const window = m_handle.Get();
    if (!window)
        return;
    std::wstring const caption = Widen(m_form.Caption());
    wchar_t shown[512] {};
    GetWindowTextW(window, shown, static_cast<int>(std::size(shown)));
    if (caption != shown)
        SetWindowTextW(window, caption.c_str());
}

void FormWindow::Window::FitToForm()
{
    if (!m_handle.Get() || m_form.Size() == m_clientSize)
        return;
    m_clientSize = m_form.Size();
    gfx::Size const size = WindowSizeFor(m_clientSize);
    SetWindowPos(m_handle.Get(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::Window::Repaint()
{
    if (!m_handle.Get())
        return;
    FitToForm();
    SyncCaption();
    m_children.SyncLayout();
    InvalidateRect(m_handle.Get(), nullptr, FALSE);
}

void FormWindow::Window::ControlChanged(ui::Control const& control)
{
    if (!m_handle.Get())
        return;
    m_children.Sync(control);
    // The change may have been to a container of other native controls.
    m_children.SyncLayout();
}

void FormWindow::Window::Paint()
{
    PaintDc const paint(m_handle.Get());
    // The form may have changed size while a repaint was pending, unannounced.
    FitToForm();
    gfx::Size const size = m_form.Size();
    if (!m_back || m_back->Size() != size) {
        m_back.reset();
        m_back = DibImage::Create(size.width, size.height);
        m_backBlank = true;
    }
    if (m_back && (m_backBlank || m_form.NeedsPaint())) {
        gfx::Image& pixels = m_back->Pixels();
        m_form.Paint(pixels);
        m_backBlank = false;
        m_children.SetBackground(pixels);
    }
    m_children.SyncLayout();
    if (!m_back)
        return;
    RECT const& area = paint.Area();
    BitBlt(paint.Get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
        static_cast<HDC>(m_back->DeviceContext()), area.left, area.top, SRCCOPY);
}

void FormWindow::Window::PointerDown(int button, WPARAM wParam, LPARAM lParam)
{
    // Held from the press to the release, so that a drag out of the window still reports.
    SetCapture(m_handle.Get());
    m_form.PointerDown(PointOf(lParam), button, MouseShiftState(wParam));
}

void FormWindow::Window::PointerMove(WPARAM wParam, LPARAM lParam)
{
    if (!m_trackingLeave) {
        TRACKMOUSEEVENT track {};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = m_handle.Get();
        m_trackingLeave = TrackMouseEvent(&track) != 0;
    }
    m_form.PointerMove(PointOf(lParam), HeldButtons(wParam), MouseShiftState(wParam));
}

void FormWindow::Window::PointerUp(int button, WPARAM wParam, LPARAM lParam)
{
    m_form.PointerUp(PointOf(lParam), button, MouseShiftState(wParam));
    // wParam tells the buttons still held after this release.
    if (HeldButtons(wParam) == 0 && GetCapture() == m_handle.Get())
        ReleaseCapture();
}

void FormWindow::Window::Close()
{
    if (m_owner.OnClose) {
        // The handler may destroy this object: nothing here is touched after it.
        m_owner.OnClose();
        return;
    }
    DestroyWindow(m_handle.Get());
    PostQuitMessage(0);
}

LRESULT CALLBACK FormWindow::Window::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto const* const creation = reinterpret_cast<CREATESTRUCTW const*>(lParam);
        auto* const creator = static_cast<Window*>(creation->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creator));
        creator->m_handle = OwnedWindow(window);
    }
    auto* const self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after WM_NCDESTROY find no one.
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_handle.Forget();
        self->m_children.Forget();
        self->m_trackingLeave = false;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Receive(window, message, wParam, lParam);
}

LRESULT FormWindow::Window::Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    bool const forOwner = message >= WM_USER || message == WM_HOTKEY;
    if (forOwner && m_owner.OnMessage && m_owner.OnMessage(message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_ERASEBKGND:
        // The back buffer covers the whole client area; erasing first would only flicker.
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_LBUTTONDOWN:
        PointerDown(ui::LeftButton, wParam, lParam);
        return 0;
    case WM_RBUTTONDOWN:
        PointerDown(ui::RightButton, wParam, lParam);
        return 0;
    case WM_MBUTTONDOWN:
        PointerDown(ui::MiddleButton, wParam, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        SetCapture(window);
        m_form.PointerDoubleClick(PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        PointerMove(wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
        PointerUp(ui::LeftButton, wParam, lParam);
        return 0;
    case WM_RBUTTONUP:
        PointerUp(ui::RightButton, wParam, lParam);
        return 0;
    case WM_MBUTTONUP:
        PointerUp(ui::MiddleButton, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window)
            m_form.PointerCaptureLost();
        return 0;
    case WM_MOUSELEAVE:
        m_trackingLeave = false;
        m_form.PointerLeft();
        return 0;
    case WM_COMMAND:
        if (lParam && m_children.Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam)))
            return 0;
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (HBRUSH const brush = m_children.BackgroundFor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_CLOSE:
        Close();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

FormWindow::FormWindow(ui::Form& form, Win32TextRenderer& fonts, FormWindowOptions options)
    : m_window(std::make_unique<Window>(*this, form, fonts, options))
{
}

FormWindow::~FormWindow() { m_window->Release(); }

bool FormWindow::Create() { return m_window->Create(); }

void FormWindow::Show()
{
    if (HWND const window = m_window->Handle()) {
        // While hidden the window is not painted, and a container's change waits for a paint.
        m_window->SyncLayout();
        m_window->SyncCaption();
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }
}

void FormWindow::Hide()
{
    if (HWND const window = m_window->Handle())
        ShowWindow(window, SW_HIDE);
}

bool FormWindow::IsVisible() const { return m_window->Handle() && IsWindowVisible(m_window->Handle()); }

void FormWindow::SyncCaption() { m_window->SyncCaption(); }

void FormWindow::MoveTo(gfx::Point topLeft)
{
    if (HWND const window = m_window->Handle())
        SetWindowPos(window, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

gfx::Point FormWindow::Position() const
{
    RECT bounds {};
    if (HWND const window = m_window->Handle())
        GetWindowRect(window, &bounds);
    return { bounds.left, bounds.top };
}

void* FormWindow::NativeHandle() const { return m_window->Handle(); }

void* FormWindow::NativeChildOf(ui::Control const& control) const { return m_window->ChildOf(control); }

gfx::Image const& FormWindow::BackBuffer() const { return m_window->BackBuffer(); }

int FormWindow::RunMessageLoop()
{
    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void FormWindow::RepaintNeeded() { m_window->Repaint(); }

void FormWindow::NativeControlChanged(ui::Control& control) { m_window->ControlChanged(control); }

}
