#pragma once
// A form owns its controls in z-order (first added lies lowest), paints the windowless ones into
// a back buffer, and routes plain pointer and key events to them: hit test topmost first among
// shown controls, enter and leave when the control under the pointer changes, and capture from
// a press until its release so that move and release go to the pressed control.
//
// Places and sizes are units of a 96-DPI screen, as a skin gives them. The form shows at the DPI
// of its monitor: controls are drawn and hit in device pixels of that scale, with their edges
// rounded so that neighbours stay neighbours, and report the pointer in their own units.

#include "ui/Control.h"
#include "ui/ImageCache.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace ui {

class PictureBox;

// What the platform does for a form: repaint it, follow its size, and mirror a native control's
// new state.
class FormHost {
public:
    virtual ~FormHost() = default;
    virtual void RepaintNeeded() = 0;
    // The form's size in device pixels changed (a new size or DPI): the window takes it. Apart
    // from painting, so that a repaint never resizes the window.
    virtual void SizeChanged() { }
    virtual void NativeControlChanged(Control& control) = 0;
    // The keyboard moved the focus to a control (null: to none); the platform gives a native
    // control the system's focus, and tells assistive technology.
    virtual void FocusMoved(Control* control) { (void)control; }
    virtual void AccessibleChanged(Control& control, AccessibleChange change) { (void)control, (void)change; }
};

class Form {
public:
    explicit Form(platform::TextRenderer& text);
    Form(Form const&) = delete;
    Form& operator=(Form const&) = delete;

    template<typename T, typename... Args>
    T& Add(Args&&... args)
    {
        auto control = std::make_unique<T>(std::forward<Args>(args)...);
        T& added = *control;
        Adopt(std::move(control), nullptr);
        return added;
    }

    // A control placed inside a picture box, in its user units, clipped to it.
    template<typename T, typename... Args>
    T& AddInside(PictureBox& container, Args&&... args)
    {
        auto control = std::make_unique<T>(std::forward<Args>(args)...);
        T& added = *control;
        Adopt(std::move(control), &container);
        return added;
    }

    std::vector<std::unique_ptr<Control>> const& Controls() const { return m_controls; }

    // In units.
    gfx::Size Size() const { return m_size; }
    void SetSize(gfx::Size size);

    // Pixels per inch of the screen the form shows on; 96 draws one pixel per unit.
    int Dpi() const { return m_dpi; }
    double Scale() const { return m_dpi / static_cast<double>(platform::DefaultDpi); }
    // Every control is redrawn, refitted and placed again for the new scale.
    void SetDpi(int dpi);
    // The form's size in device pixels, at its DPI or at another.
    gfx::Size PixelSize() const { return PixelSizeAt(m_dpi); }
    gfx::Size PixelSizeAt(int dpi) const;
    // A position in units as the device pixel edge nearest to it.
    int PixelEdge(double units) const;
    // Lines a unit wide (borders, outlines), in device pixels: never thinner than one.
    int LineWidth() const;
    // A font described for 96 DPI, as drawn at the form's scale.
    platform::Font ScaledFont(platform::Font font) const;
    Colour BackColour() const { return m_backColour; }
    void SetBackColour(Colour colour);
    std::string const& Caption() const { return m_caption; }
    void SetCaption(std::string caption);

    platform::TextRenderer& Text() const { return m_text; }
    ImageCache& Images() { return m_images; }
    void SetHost(FormHost* host) { m_host = host; }

    // Paints the back colour and every shown windowless control, lowest first.
    void Paint(gfx::Image& target) const;
    bool NeedsPaint() const { return m_needsPaint; }

    // The topmost shown control that takes the pointer at a window pixel.
    Control* HitTest(gfx::Point windowPixel) const;
    Control* Hovered() const { return m_hovered; }
    Control* Captured() const { return m_captured; }

    // Pointer input in window pixels. `buttons` on a move is the mask of buttons held.
    void PointerDown(gfx::Point at, int button, int shift);
    void PointerMove(gfx::Point at, int buttons, int shift);
    void PointerUp(gfx::Point at, int button, int shift);
    // The second press of a double-click: delivered instead of a press, after the first click.
    // Its release ends the double-click; it is no second click.
    void PointerDoubleClick(gfx::Point at);
    void PointerLeft();
    // The system took the pointer away mid-press (another window, a menu): no release will come.
    void PointerCaptureLost();
    // A double-click or key that a native control received itself.
    void DoubleClickOn(Control& control);
    // A key a native control received: Tab leaves it; the control's own handler keeps every other
    // key; Enter in a box without one does its default action. False leaves the key to the control,
    // true takes it away (a key a chord box took).
    bool KeyDownOn(Control& control, KeyEvent const& key);

    // Keys the window itself received. Tab and Shift+Tab move the focus along the tab order;
    // otherwise the focused control has the key first, then the menu key or Shift+F10 opens its
    // context menu, Enter or Space act on it and the arrows move within its group; then the
    // form's own handlers. True when someone handled it.
    bool KeyDown(KeyEvent const& key);
    bool KeyPress(char32_t character);
    // Focus without a word to the platform (the platform's own focus, a test).
    void SetFocus(Control* control);
    Control* Focused() const { return m_focused; }
    // Focus moved by the keyboard: the focused windowless control shows a mark, and the platform
    // hears of it.
    void MoveFocusTo(Control* control);
    // Tab: the next stop of the tab order after the focused control, or before it.
    void MoveFocus(bool backwards);
    bool FocusMarkShown() const { return m_focusMarkShown; }
    // The focus mark's outer edge in device pixels, always inside the window; nothing when no
    // mark shows.
    std::optional<gfx::Rect> FocusMarkBounds() const;
    // A native control took the system's focus (a click, or the keyboard's move).
    void NativeFocused(Control& control);
    // What a click does, or a double-click for a control that only answers that; false when the
    // control is hidden or does nothing.
    bool DoDefaultAction(Control& control);
    void AccessibleChanged(Control& control, AccessibleChange change);
    std::function<bool(KeyEvent const&)> OnKeyDown;
    std::function<bool(char32_t)> OnKeyPress;

    void ControlChanged(Control& control);

private:
    void Adopt(std::unique_ptr<Control> control, PictureBox* container);
    void RequestRepaint();
    void UpdateHover(gfx::Point at);
    void PaintFocusMark(gfx::Painter& painter) const;
    static MouseEvent EventFor(Control const& control, gfx::Point at, int button, int shift);

    platform::TextRenderer& m_text;
    ImageCache m_images;
    std::vector<std::unique_ptr<Control>> m_controls;
    gfx::Size m_size;
    int m_dpi = platform::DefaultDpi;
    Colour m_backColour = 0xF0F0F0;
    std::string m_caption;
    FormHost* m_host = nullptr;
    mutable bool m_needsPaint = true;
    Control* m_hovered = nullptr;
    Control* m_captured = nullptr;
    Control* m_focused = nullptr;
    bool m_focusMarkShown = false;
    // The member of each focus group that had the focus last: Tab comes back to it.
    std::map<int, Control*> m_groupFocus;
    bool m_releaseEndsDoubleClick = false;
};

}
