#include "ui/Form.h"

#include "ui/FocusOrder.h"
#include "ui/NativeControls.h"
#include "ui/PictureBox.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Beyond any screen, and kept from dividing by nothing.
constexpr int LowestDpi = 24;
constexpr int HighestDpi = 960;

}

Form::Form(platform::TextRenderer& text)
    : m_text(text)
{
}

void Form::Adopt(std::unique_ptr<Control> control, PictureBox* container)
{
    control->m_form = this;
    control->m_container = container;
    m_controls.push_back(std::move(control));
    m_controls.back()->AddedToForm();
    ControlChanged(*m_controls.back());
}

void Form::RequestRepaint()
{
    bool const wasClean = !m_needsPaint;
    m_needsPaint = true;
    if (wasClean && m_host)
        m_host->RepaintNeeded();
}

void Form::SetSize(gfx::Size size)
{
    bool const changed = size != m_size;
    m_size = size;
    if (changed && m_host)
        m_host->SizeChanged();
    RequestRepaint();
}

void Form::SetDpi(int dpi)
{
    dpi = std::clamp(dpi, LowestDpi, HighestDpi);
    if (dpi == m_dpi)
        return;
    m_dpi = dpi;
    // Copies made for the old scale are of no use at the new one.
    m_images.DropScaledCopies();
    for (auto const& control : m_controls)
        control->ScaleChanged();
    for (auto const& control : m_controls) {
        if (control->IsNative() && m_host)
            m_host->NativeControlChanged(*control);
    }
    if (m_host)
        m_host->SizeChanged();
    RequestRepaint();
}

gfx::Size Form::PixelSizeAt(int dpi) const
{
    double const scale = std::clamp(dpi, LowestDpi, HighestDpi) / static_cast<double>(platform::DefaultDpi);
    return { NearestPixel(m_size.width * scale), NearestPixel(m_size.height * scale) };
}

int Form::PixelEdge(double units) const { return NearestPixel(units * Scale()); }

int Form::LineWidth() const { return std::max(1, PixelEdge(1)); }

platform::Font Form::ScaledFont(platform::Font font) const
{
    font.dpi = static_cast<int>(std::lround(font.dpi * Scale()));
    return font;
}

void Form::SetBackColour(Colour colour)
{
    if (!IsValidColour(colour))
        return;
    m_backColour = colour;
    RequestRepaint();
}

void Form::SetCaption(std::string caption) { m_caption = std::move(caption); }

void Form::ControlChanged(Control& control)
{
    if (control.IsNative()) {
        if (m_host)
            m_host->NativeControlChanged(control);
        return;
    }
    RequestRepaint();
}

void Form::Paint(gfx::Image& target) const
{
    gfx::Painter painter(target);
    painter.FillRect(target.Bounds(), m_backColour);
    for (auto const& control : m_controls) {
        if (control->IsNative() || !control->Shown())
            continue;
        gfx::Painter::StateSaver saver(painter);
        // A control inside a picture box never paints outside the box's inner area.
        for (PictureBox* box = control->Container(); box; box = box->Container())
            painter.AddClip(box->InnerBounds());
        control->Paint(painter, m_text);
    }
    PaintFocusMark(painter);
    m_needsPaint = false;
}

std::optional<gfx::Rect> Form::FocusMarkBounds() const
{
    if (!m_focusMarkShown || !m_focused || !m_focused->Shown() || m_focused->IsNative())
        return std::nullopt;
    // Two line widths outside the control, so that the mark never hides what it marks; where the
    // control reaches the window's edge, on the edge, so that the window does not cut it off.
    int const out = 2 * LineWidth();
    gfx::Rect const bounds = m_focused->PixelBounds();
    gfx::Size const window = PixelSize();
    int const left = static_cast<int>(std::max<std::int64_t>(0, std::int64_t { bounds.x } - out));
    int const top = static_cast<int>(std::max<std::int64_t>(0, std::int64_t { bounds.y } - out));
    int const right = std::min(window.width, gfx::SaturatedInt(std::int64_t { bounds.Right() } + out));
    int const bottom = std::min(window.height, gfx::SaturatedInt(std::int64_t { bounds.Bottom() } + out));
    if (right <= left || bottom <= top)
        return std::nullopt;
    return gfx::Rect { left, top, right - left, bottom - top };
}

void Form::PaintFocusMark(gfx::Painter& painter) const
{
    auto const mark = FocusMarkBounds();
    if (!mark)
        return;
    // Two rings, dark outside light, so that the mark shows on any skin.
    int const line = LineWidth();
    auto const rings = [&](gfx::Rect const& outer) {
        for (int ring = 0; ring < 2 * line; ++ring) {
            gfx::Rect const rect = outer.Inflated(-ring);
            if (rect.IsEmpty())
                break;
            painter.DrawRect(rect, ring < line ? 0x000000 : 0xFFFFFF);
        }
    };
    rings(*mark);
    if (m_focused->Kind() == ControlKind::PictureBox) {
        auto const& box = static_cast<PictureBox const&>(*m_focused);
        if (auto const part = box.FocusPart()) {
            // Round the marked part, inside the box's frame.
            gfx::Painter::StateSaver saver(painter);
            painter.AddClip(box.InnerBounds());
            gfx::Rect const cell = box.UserRectToWindow(*part);
            rings(cell.Inflated(2 * line));
        }
    }
}

Control* Form::HitTest(gfx::Point windowPixel) const
{
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        Control& control = **it;
        if (!control.Shown() || !control.TakesPointer() || !control.PixelBounds().Contains(windowPixel))
            continue;
        bool insideContainers = true;
        for (PictureBox* box = control.Container(); box && insideContainers; box = box->Container())
            insideContainers = box->InnerBounds().Contains(windowPixel);
        if (insideContainers)
            return &control;
    }
    return nullptr;
}

MouseEvent Form::EventFor(Control const& control, gfx::Point at, int button, int shift)
{
    MouseEvent event;
    event.button = button;
    event.shift = shift;
    control.ToOwnUnits(at, event.x, event.y);
    return event;
}

void Form::UpdateHover(gfx::Point at)
{
    Control* const now = HitTest(at);
    if (now == m_hovered)
        return;
    Control* const before = m_hovered;
    m_hovered = now;
    if (before && before->OnLeave)
        before->OnLeave();
    if (now && now->OnEnter)
        now->OnEnter();
}

void Form::PointerDown(gfx::Point at, int button, int shift)
{
    UpdateHover(at);
    Control* const target = HitTest(at);
    m_captured = target;
    m_releaseEndsDoubleClick = false;
    if (target && target->OnMouseDown)
        target->OnMouseDown(EventFor(*target, at, button, shift));
}

void Form::PointerMove(gfx::Point at, int buttons, int shift)
{
    UpdateHover(at);
    Control* const target = m_captured ? m_captured : HitTest(at);
    if (target && target->OnMouseMove)
        target->OnMouseMove(EventFor(*target, at, buttons, shift));
}

void Form::PointerUp(gfx::Point at, int button, int shift)
{
    Control* const target = m_captured ? m_captured : HitTest(at);
    bool const releasedOverIt = m_captured && HitTest(at) == m_captured && !m_releaseEndsDoubleClick;
    m_captured = nullptr;
    m_releaseEndsDoubleClick = false;
    if (target && target->OnMouseUp)
        target->OnMouseUp(EventFor(*target, at, button, shift));
    // A handler may have hidden or moved things; the click goes to the control pressed.
    if (releasedOverIt && target->OnClick)
        target->OnClick();
    if (releasedOverIt && button == RightButton && target->OnContextMenu)
        target->OnContextMenu(at);
    UpdateHover(at);
}

void Form::PointerDoubleClick(gfx::Point at)
{
    UpdateHover(at);
    Control* const target = HitTest(at);
    m_captured = target;
    m_releaseEndsDoubleClick = true;
    if (target && target->OnDoubleClick)
        target->OnDoubleClick();
}

void Form::PointerLeft()
{
    if (m_captured)
        return;
    Control* const before = m_hovered;
    m_hovered = nullptr;
    if (before && before->OnLeave)
        before->OnLeave();
}

void Form::PointerCaptureLost()
{
    m_captured = nullptr;
    m_releaseEndsDoubleClick = false;
}

void Form::DoubleClickOn(Control& control)
{
    if (control.OnDoubleClick)
        control.OnDoubleClick();
}

namespace {

// Tab, Enter, Space and the arrows move and act only without Ctrl or Alt.
bool Plain(KeyEvent const& key) { return (key.shift & (CtrlKey | AltKey)) == 0; }

}

bool Form::KeyDownOn(Control& control, KeyEvent const& key)
{
    if (key.keyCode == TabKey && Plain(key)) {
        m_focused = &control;
        MoveFocus((key.shift & ShiftKey) != 0);
        return true;
    }
    // A box with a handler of its own keeps every other key. A box that takes key-downs only
    // (a chord box) keeps what its handler took from the system too, which would otherwise open
    // the window's menu (F10, Alt and a letter) or the box's (Shift+F10); other boxes still see
    // the key as they did before.
    if (control.OnKeyDown) {
        bool const taken = control.OnKeyDown(key);
        auto const* const box = control.Kind() == ControlKind::TextBox ? static_cast<TextBox const*>(&control) : nullptr;
        return taken && box && box->CapturesKeys();
    }
    if (key.keyCode == EnterKey && Plain(key) && control.Kind() == ControlKind::TextBox)
        return DoDefaultAction(control);
    return false;
}

bool Form::KeyDown(KeyEvent const& key)
{
    if (key.keyCode == TabKey && Plain(key)) {
        MoveFocus((key.shift & ShiftKey) != 0);
        return true;
    }
    Control* const focused = m_focused && m_focused->Shown() ? m_focused : nullptr;
    if (focused && focused->OnKeyDown && focused->OnKeyDown(key))
        return true;
    bool const asksForMenu
        = (key.keyCode == AppsKey && key.shift == 0) || (key.keyCode == F10Key && key.shift == ShiftKey);
    if (focused && focused->OnContextMenu && asksForMenu) {
        focused->OnContextMenu(std::nullopt);
        return true;
    }
    if (focused && Plain(key)) {
        if ((key.keyCode == EnterKey || key.keyCode == SpaceKey) && DoDefaultAction(*focused))
            return true;
        if (Control* const target = ArrowTarget(*this, *focused, key.keyCode)) {
            MoveFocusTo(target);
            return true;
        }
    }
    return OnKeyDown && OnKeyDown(key);
}

bool Form::KeyPress(char32_t character) { return OnKeyPress && OnKeyPress(character); }

void Form::SetFocus(Control* control)
{
    m_focused = control;
    if (control && control->FocusGroup() != 0)
        m_groupFocus[control->FocusGroup()] = control;
    if (m_focusMarkShown)
        RequestRepaint();
}

void Form::MoveFocusTo(Control* control)
{
    bool const markBefore = m_focusMarkShown;
    Control* const before = m_focused;
    SetFocus(control);
    m_focusMarkShown = control && !control->IsNative();
    if (before != control || markBefore != m_focusMarkShown)
        RequestRepaint();
    if (m_host)
        m_host->FocusMoved(control);
}

void Form::MoveFocus(bool backwards)
{
    Control* next = NextTabStop(*this, m_focused, backwards);
    // A group is entered where the focus last was in it.
    if (next && next->FocusGroup() != 0 && (!m_focused || m_focused->FocusGroup() != next->FocusGroup())) {
        auto const last = m_groupFocus.find(next->FocusGroup());
        if (last != m_groupFocus.end() && TakesFocus(*last->second))
            next = last->second;
    }
    MoveFocusTo(next);
}

void Form::NativeFocused(Control& control)
{
    if (m_focused == &control)
        return;
    m_focused = &control;
    if (m_focusMarkShown) {
        m_focusMarkShown = false;
        RequestRepaint();
    }
}

bool Form::DoDefaultAction(Control& control)
{
    if (!control.Shown())
        return false;
    if (control.OnClick) {
        control.OnClick();
        return true;
    }
    if (control.OnDoubleClick) {
        control.OnDoubleClick();
        return true;
    }
    return false;
}

void Form::AccessibleChanged(Control& control, AccessibleChange change)
{
    if (m_host)
        m_host->AccessibleChanged(control, change);
}

}
