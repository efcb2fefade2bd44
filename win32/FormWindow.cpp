#include "win32/FormWindow.h"

#include "win32/ComRef.h"
#include "win32/DibImage.h"
#include "win32/FormAccessible.h"
#include "win32/NativeChildren.h"
#include "win32/Win32Screen.h"
#include "win32/Win32Window.h"

#include "ui/AccessibleTree.h"

#include <windows.h>

namespace platform::win32 {

namespace {

// A client's default action, posted to run after its call has returned.
UINT DefaultActionMessage()
{
    static UINT const message = RegisterWindowMessageW(L"ColourPicker.AccessibleDefaultAction");
    return message;
}

WindowOptions WindowOptionsOf(FormWindowOptions const& options)
{
    return { options.frameless ? WindowKind::Frameless : WindowKind::Framed, options.colourKey, options.keyColour,
        options.position };
}

}

// The form host: the back buffer and the native children, on a window of its own.
class FormWindow::Host final : public WindowClient, public InputEvents {
public:
    Host(FormWindow& owner, ui::Form& form, Win32TextRenderer& fonts, FormWindowOptions const& options)
        : m_owner(owner)
        , m_form(form)
        , m_dpi(options.dpi)
        , m_children(form, fonts)
        , m_window(WindowOptionsOf(options), *this)
    {
        m_window.SetInput(this);
    }

    ~Host() override
    {
        if (m_hosting)
            m_form.SetHost(nullptr);
        DropAccessible();
    }

    Host(Host const&) = delete;
    Host& operator=(Host const&) = delete;

    bool Create()
    {
        if (Handle())
            return true;
        // A window without a place is centred on the primary monitor's work area: its size is
        // the form's at that monitor's DPI.
        m_form.SetDpi(m_dpi ? *m_dpi : MonitorDpiOf(nullptr));
        if (!m_window.Create(m_form.PixelSize(), m_form.Caption()))
            return false;
        // A window placed on another monitor takes that monitor's scale.
        if (!m_dpi)
            m_form.SetDpi(MonitorDpiOf(Handle()));
        m_window.SetClientSize(m_form.PixelSize());
        m_form.SetHost(&m_owner);
        m_hosting = true;
        m_children.Create(Handle());
        return true;
    }

    HWND Handle() const { return static_cast<HWND>(m_window.Handle()); }
    Win32Window& Window() { return m_window; }
    Win32Window const& Window() const { return m_window; }
    NativeChildren& Children() { return m_children; }
    NativeChildren const& Children() const { return m_children; }

    void Repaint()
    {
        if (!Handle())
            return;
        m_window.SetCaption(m_form.Caption());
        m_children.SyncLayout();
        m_window.InvalidateAll();
    }

    void SizeChanged()
    {
        // A move onto another monitor's DPI places and sizes the window in one step.
        if (!Handle() || m_changingDpi)
            return;
        m_window.SetClientSize(m_form.PixelSize());
        m_children.SyncLayout();
    }

    void SyncCaption() { m_window.SetCaption(m_form.Caption()); }

    void ControlChanged(ui::Control const& control)
    {
        if (!Handle())
            return;
        m_children.Sync(control);
        // The change may have been to a container of other native controls.
        m_children.SyncLayout();
    }

    gfx::Image const& BackBuffer() const
    {
        static gfx::Image const none;
        return m_back ? m_back->Pixels() : none;
    }

    // WindowClient
    void PaintArea(void* dc, gfx::Rect area) override
    {
        gfx::Size const size = m_form.PixelSize();
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
        BitBlt(static_cast<HDC>(dc), area.x, area.y, area.width, area.height, static_cast<HDC>(m_back->DeviceContext()),
            area.x, area.y, SRCCOPY);
    }

    bool OtherMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override
    {
        if (message == DefaultActionMessage()) {
            ui::AccessibleItem const item = ui::DescribeChild(m_form, static_cast<int>(wParam));
            if (item.control)
                m_form.DoDefaultAction(*item.control);
            result = 0;
            return true;
        }
        switch (message) {
        case WM_SETFOCUS:
            // Back to the window (after another program had the focus): the keyboard goes on in
            // the native box it was in.
            if (ui::Control* const focused = m_form.Focused(); focused && focused->Shown()) {
                if (HWND const child = m_children.WindowOf(*focused)) {
                    SetFocus(child);
                    result = 0;
                    return true;
                }
            }
            break;
        case WM_GETOBJECT:
            // The object id comes as a 32-bit value in a wider parameter.
            if (static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT && Handle()) {
                if (!m_accessible)
                    m_accessible = ComRef(new FormAccessible(m_form, Handle(), AccessibleHost()));
                result = LresultFromObject(__uuidof(IAccessible), wParam, m_accessible.Get());
                return true;
            }
            break;
        case WM_COMMAND:
            if (lParam && m_children.Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam))) {
                result = 0;
                return true;
            }
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (HBRUSH const brush
                = m_children.BackgroundFor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
                result = reinterpret_cast<std::intptr_t>(brush);
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }

    void WindowDestroyed() override
    {
        m_children.Forget();
        DropAccessible();
    }

    void FocusMoved(ui::Control* control)
    {
        HWND const window = Handle();
        if (!window)
            return;
        if (HWND const child = control ? m_children.WindowOf(*control) : nullptr) {
            // The system tells assistive technology of a native child's focus itself.
            SetFocus(child);
            return;
        }
        if (GetFocus() != window)
            SetFocus(window);
        if (control)
            NotifyControlEvent(EVENT_OBJECT_FOCUS, window, m_form, *control);
    }

    void AccessibleChanged(ui::Control const& control, ui::AccessibleChange change)
    {
        NotifyControlEvent(change == ui::AccessibleChange::Name ? EVENT_OBJECT_NAMECHANGE : EVENT_OBJECT_STATECHANGE,
            Handle(), m_form, control);
    }

    bool DpiChanged(int dpi, gfx::Rect suggested) override
    {
        // The form first, so that the window takes the form's new size at the suggested place,
        // in one move: resized at its old place first, most of it would flash on the other monitor.
        m_changingDpi = true;
        m_form.SetDpi(dpi);
        m_changingDpi = false;
        m_window.Place(suggested.Location(), m_form.PixelSize());
        m_children.SyncLayout();
        m_window.InvalidateAll();
        return true;
    }

    std::optional<gfx::Size> ClientSizeAt(int dpi) override { return m_form.PixelSizeAt(dpi); }

    // InputEvents
    void PointerDown(gfx::Point at, int button, int shift) override { m_form.PointerDown(at, button, shift); }
    void PointerMove(gfx::Point at, int buttons, int shift) override { m_form.PointerMove(at, buttons, shift); }
    void PointerUp(gfx::Point at, int button, int shift) override { m_form.PointerUp(at, button, shift); }
    void PointerDoubleClick(gfx::Point at, int, int) override { m_form.PointerDoubleClick(at); }
    void PointerLeft() override { m_form.PointerLeft(); }
    void PointerCaptureLost() override { m_form.PointerCaptureLost(); }
    bool KeyDown(int keyCode, int shift) override { return m_form.KeyDown({ keyCode, shift }); }
    bool KeyPress(char32_t character) override { return m_form.KeyPress(character); }

private:
    FormAccessibleHost AccessibleHost()
    {
        FormAccessibleHost host;
        host.nativeChild = [this](ui::Control const& control) { return m_children.WindowOf(control); };
        host.postDefaultAction = [this](int childId) {
            PostMessageW(Handle(), DefaultActionMessage(), static_cast<WPARAM>(childId), 0);
        };
        return host;
    }

    // Clients may hold the object longer than the window lives: it answers nothing from then on.
    void DropAccessible()
    {
        if (!m_accessible)
            return;
        m_accessible->Disconnect();
        m_accessible.Reset();
    }

    FormWindow& m_owner;
    ui::Form& m_form;
    std::optional<int> m_dpi;
    NativeChildren m_children;
    std::optional<DibImage> m_back;
    // A new back buffer holds nothing yet: it is painted whether or not the form asks.
    bool m_backBlank = true;
    bool m_hosting = false;
    bool m_changingDpi = false;
    // Made at the first client's question; holds one reference of its own.
    ComRef<FormAccessible> m_accessible;
    // Last, so that the window goes first while everything its last messages reach is here.
    Win32Window m_window;
};

FormWindow::FormWindow(ui::Form& form, Win32TextRenderer& fonts, FormWindowOptions options)
    : m_host(std::make_unique<Host>(*this, form, fonts, options))
{
}

FormWindow::~FormWindow() = default;

bool FormWindow::Create() { return m_host->Create(); }

void FormWindow::SetShell(ShellEvents* shell) { m_host->Window().SetShell(shell); }

void FormWindow::SetLinkOpener(Browser* browser) { m_host->Children().SetLinkOpener(browser); }

void FormWindow::SetChildNames(ChildNames* names) { m_host->Children().SetChildNames(names); }

void FormWindow::Show()
{
    if (!m_host->Handle())
        return;
    // While hidden the window is not painted, and a container's change waits for a paint.
    m_host->Children().SyncLayout();
    SyncCaption();
    m_host->Window().Show();
}

void FormWindow::Hide() { m_host->Window().Hide(); }

bool FormWindow::IsVisible() const { return m_host->Window().IsVisible(); }

bool FormWindow::IsMinimised() const { return m_host->Window().IsMinimised(); }

void FormWindow::SyncCaption() { m_host->SyncCaption(); }

void FormWindow::MoveTo(gfx::Point topLeft) { m_host->Window().MoveTo(topLeft); }

gfx::Point FormWindow::Position() const { return m_host->Window().Position(); }

void* FormWindow::NativeHandle() const { return m_host->Handle(); }

void* FormWindow::NativeChildOf(ui::Control const& control) const
{
    return m_host->Children().WindowOf(control);
}

gfx::Image const& FormWindow::BackBuffer() const { return m_host->BackBuffer(); }

void FormWindow::RepaintNeeded() { m_host->Repaint(); }

void FormWindow::SizeChanged() { m_host->SizeChanged(); }

void FormWindow::NativeControlChanged(ui::Control& control) { m_host->ControlChanged(control); }

void FormWindow::FocusMoved(ui::Control* control) { m_host->FocusMoved(control); }

void FormWindow::AccessibleChanged(ui::Control& control, ui::AccessibleChange change)
{
    m_host->AccessibleChanged(control, change);
}

}
