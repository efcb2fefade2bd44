#pragma once
// One top-level window of the program, whatever it shows: it turns window messages into typed
// calls (pointer and keys to InputEvents, hotkeys, tray clicks, the taskbar's return and closing
// to ShellEvents), holds the pointer captured from a press to the last release, tracks the
// pointer leaving, sets its own pointer shape, and repaints only the areas it was told changed.
// What it shows is its client's business: the client paints an area when asked. The skinned
// main window, the splash and the full-screen overlays are all made of it. Opaque handles only.

#include "colour/Colour.h"
#include "gfx/Geometry.h"
#include "platform/InputEvents.h"
#include "platform/Pointer.h"
#include "platform/ShellEvents.h"
#include "platform/Window.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace platform::win32 {

enum class WindowKind {
    // A popup whose skin draws the whole window; it keeps a taskbar button and a system menu.
    Frameless,
    // A normal window with a title bar.
    Framed,
    // Covers an area of the screen (the virtual screen) exactly, above every other window, with no
    // taskbar button and no frame.
    FullScreenTool,
};

struct WindowOptions {
    WindowKind kind = WindowKind::Frameless;
    // Pixels of the key colour let what lies beneath the window show through.
    bool colourKey = false;
    Colour keyColour = TransparentKeyColour;
    // The window's top-left corner on the screen; centred on the work area when not given.
    std::optional<gfx::Point> position;
};

// What the window needs from whatever shows in it.
class WindowClient {
public:
    virtual ~WindowClient() = default;
    // Paints `area` (client pixels) onto the device context (an HDC).
    virtual void PaintArea(void* dc, gfx::Rect area) = 0;
    // A message the window does not know, most often from a child control; true when answered,
    // with the answer in `result`.
    virtual bool OtherMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result)
    {
        (void)message, (void)wParam, (void)lParam, (void)result;
        return false;
    }
    // The window is being destroyed; its children go with it.
    virtual void WindowDestroyed() { }
    // The window went onto a monitor of another DPI; the system suggests the window's new
    // rectangle (screen pixels). False leaves the window as it is.
    virtual bool DpiChanged(int dpi, gfx::Rect suggested)
    {
        (void)dpi, (void)suggested;
        return false;
    }
    // The client area the window will want at a DPI, so that the system suggests that size on
    // the move; nothing to let the system scale the present one.
    virtual std::optional<gfx::Size> ClientSizeAt(int dpi)
    {
        (void)dpi;
        return std::nullopt;
    }
};

class Win32Window final : public platform::Window {
public:
    Win32Window(WindowOptions options, WindowClient& client);
    ~Win32Window() override;
    // The system keeps a pointer to this object: it stays where it was made.
    Win32Window(Win32Window const&) = delete;
    Win32Window& operator=(Win32Window const&) = delete;

    // Makes the window, hidden, with a client area of `clientSize`. False if Windows refuses.
    bool Create(gfx::Size clientSize, std::string_view caption);
    // An HWND; null before Create and after the window is gone.
    void* Handle() const;

    // Input goes nowhere until someone listens.
    void SetInput(InputEvents* input) { m_input = input; }
    void SetShell(ShellEvents* shell) { m_shell = shell; }

    // Shows the window on top with the focus, so that the first click on it acts; a minimised
    // window is restored.
    void Show() override;
    void Hide() override;
    bool IsVisible() const override;
    bool IsMinimised() const override;
    void MoveTo(gfx::Point topLeft) override;
    gfx::Point Position() const override;

    gfx::Size ClientSize() const;
    void SetClientSize(gfx::Size size);
    // Moves and sizes in one step: the top-left corner in screen pixels, the client area's size.
    void Place(gfx::Point topLeft, gfx::Size clientSize);
    void SetCaption(std::string_view caption);
    void SetPointerShape(PointerShape shape);
    // The area will be painted by the client at the next paint; the rest stays as it is.
    void Invalidate(gfx::Rect area);
    void InvalidateAll();

private:
    class Procedure;
    InputEvents* m_input = nullptr;
    ShellEvents* m_shell = nullptr;
    // Last: what the window's messages reach outlives everything else here.
    std::unique_ptr<Procedure> m_procedure;
};

}
