#pragma once
// Shows a portable ui::Form in a Win32Window: the form paints into a DIB back buffer that the
// window presents, the window's pointer and key input goes to the form, and the form's native
// controls become child windows mirrored from the model. One FormWindow serves one form; the
// form and the text renderer must outlive it. Opaque handles only: including this header does
// not bring in <windows.h>.
//
// The window gives the form the DPI of the monitor it opens on, and a new one when it is moved
// onto a monitor of another DPI; the window's size is the form's at that scale.

#include "colour/Colour.h"
#include "gfx/Geometry.h"
#include "gfx/Image.h"
#include "platform/ShellEvents.h"
#include "platform/Window.h"
#include "ui/Form.h"

#include <memory>
#include <optional>

namespace platform {
class Browser;
}

namespace platform::win32 {

class ChildNames;
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
    // The DPI to open at instead of the monitor's, for tests of the scaled window.
    std::optional<int> dpi;
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
    // Hotkeys, tray clicks, the taskbar's return and closing go here. Without a listener,
    // closing destroys the window and ends the message loop with 0.
    void SetShell(ShellEvents* shell);
    // Links the user follows in a web page of the form open here.
    void SetLinkOpener(Browser* browser);
    // Who names the native edits and combo box after their labels, given before Create; the
    // system's annotation service otherwise.
    void SetChildNames(ChildNames* names);
    // Showing brings the window to the front with the focus.
    void Show() override;
    void Hide() override;
    bool IsVisible() const override;
    bool IsMinimised() const override;
    // The form's caption as the window title (the form does not announce caption changes).
    void SyncCaption();
    // The window's top-left corner in screen pixels.
    void MoveTo(gfx::Point topLeft) override;
    void MoveTo(int x, int y) { MoveTo(gfx::Point { x, y }); }
    gfx::Point Position() const override;

    // The window (an HWND), for the tray icon, hotkeys and message boxes; null before Create
    // and after the window is closed.
    void* NativeHandle() const;
    // The child window (an HWND) showing a native control; null for others.
    void* NativeChildOf(ui::Control const& control) const;
    // The form's pixels as last painted; empty before the first paint.
    gfx::Image const& BackBuffer() const;

    void RepaintNeeded() override;
    void SizeChanged() override;
    void NativeControlChanged(ui::Control& control) override;
    // The keyboard's focus becomes the system's; assistive technology hears of focus, names and
    // states (the window answers it with the form's accessible tree).
    void FocusMoved(ui::Control* control) override;
    void AccessibleChanged(ui::Control& control, ui::AccessibleChange change) override;

private:
    class Host;
    std::unique_ptr<Host> m_host;
};

}
