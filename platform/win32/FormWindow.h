#pragma once
// Shows a portable ui::Form as a real window: the form paints into a DIB back buffer that the
// window presents, pointer input goes to the form as plain events, and the form's native
// controls become child windows mirrored from the model. One FormWindow serves one form; the
// form and the text renderer must outlive it. Opaque handles only: including this header does
// not bring in <windows.h>.

#include "colour/Colour.h"
#include "gfx/Geometry.h"
#include "gfx/Image.h"
#include "platform/Window.h"
#include "ui/Form.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace platform::win32 {

class Win32TextRenderer;

struct FormWindowOptions {
    // A popup without a frame, whose skin draws the whole window (it still has a taskbar button
    // and a system menu), or a normal window with a title bar.
    bool frameless = true;
    // Pixels of the key colour let what lies beneath the window show through.
    bool colourKey = false;
    Colour keyColour = TransparentKeyColour;
    // The window's top-left corner on the screen; centred on the work area when not given.
    std::optional<gfx::Point> position;
};

class FormWindow final : public ui::FormHost, public platform::Window {
public:
    // Fonts of the native children come from the renderer's cache, as the painted text's do.
    FormWindow(ui::Form& form, Win32TextRenderer& fonts, FormWindowOptions options = {});
    ~FormWindow() override;
    // The form and the window keep pointers to this object: it stays where it was made.
    FormWindow(FormWindow const&) = delete;
    FormWindow& operator=(FormWindow const&) = delete;

    // Makes the window (hidden) and its native children. False if Windows refuses.
    bool Create();
    // Showing activates the window.
    void Show() override;
    void Hide() override;
    bool IsVisible() const override;
    // The form's caption as the window title (the form does not announce caption changes).
    void SyncCaption();
    // The window's top-left corner in screen pixels.
    void MoveTo(gfx::Point topLeft) override;
    void MoveTo(int x, int y) { MoveTo(gfx::Point { x, y }); }
    gfx::Point Position() const override;

    // The window (an HWND), for the tray icon, hotkeys and the clipboard's owner; null before
    // Create and after the window is closed.
    void* NativeHandle() const;
    // The child window (an HWND) showing a native control; null for others.
    void* NativeChildOf(ui::Control const& control) const;
    // The form's pixels as last painted; empty before the first paint.
    gfx::Image const& BackBuffer() const;

    // Closing the window (its system menu, Alt+F4) calls this when set; otherwise the window is
    // destroyed and the message loop ends with 0.
    std::function<void()> OnClose;
    // Messages the form does not handle itself (the tray's callback, hotkeys) go here first;
    // true means handled.
    std::function<bool(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)> OnMessage;

    // Serves window messages until WM_QUIT; returns its exit code.
    static int RunMessageLoop();

    void RepaintNeeded() override;
    void NativeControlChanged(ui::Control& control) override;

private:
    class Window;
    std::unique_ptr<Window> m_window;
};

}
