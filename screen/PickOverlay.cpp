#include "screen/PickOverlay.h"

#include "gfx/Painter.h"
#include "screen/Desk.h"
#include "screen/PickMagnifier.h"
#include "screen/Selection.h"

namespace screen {

namespace {

// A key's step of the pointer: one pixel, ten with Shift; none for other keys.
std::optional<gfx::Point> PointerStep(int keyCode, int shift)
{
    int const length = (shift & platform::ShiftKey) ? 10 : 1;
    switch (keyCode) {
    case VirtualKeyLeft:
        return gfx::Point { -length, 0 };
    case VirtualKeyRight:
        return gfx::Point { length, 0 };
    case VirtualKeyUp:
        return gfx::Point { 0, -length };
    case VirtualKeyDown:
        return gfx::Point { 0, length };
    default:
        return std::nullopt;
    }
}

}

QSK::QSK(platform::OverlayWindow& window, platform::Pointer& pointer, gfx::Image const& snapshot,
    platform::Desktop desk)
    : m_window(window)
    , m_pointer(pointer)
    , m_snapshot(snapshot)
    , m_desk(std::move(desk))
{
    m_window.SetInput(this);
}

QSK::~QSK() { m_window.SetInput(nullptr); }

Colour QSK::ColourAt(gfx::Point point) const
{
    auto const pixel = m_snapshot.PixelAt(point);
    return pixel ? gfx::ColourFromPixel(*pixel) : NoColour;
}

void QSK::Frame(gfx::Point pointer)
{
    gfx::Image& frame = m_window.Pixels();
    if (m_shownFor == pointer)
        return;
    gfx::Painter painter(frame);
    if (!m_shownFor) {
        painter.Blit({ 0, 0 }, m_snapshot, m_snapshot.Bounds());
        m_window.Invalidate(frame.Bounds());
    } else {
        // The old magnifier goes, the snapshot under it comes back.
        painter.Blit(m_shownBox.Location(), m_snapshot, m_shownBox);
        m_window.Invalidate(m_shownBox);
    }
    gfx::Rect const box = MagnifierBounds(pointer, m_desk);
    PaintPickMagnifier(frame, m_snapshot, pointer, box);
    m_window.Invalidate(box);
    m_shownFor = pointer;
    m_shownBox = box;
}

std::optional<Colour> QSK::QSKSL(platform::EventLoop& loop)
{
    m_at = m_pointer.Position().value_or(gfx::Point {});
    Frame(m_at);
    m_window.Show();
    while (!m_pickDone) {
        loop.ServeEvents(FrameWaitSeconds);
        if (loop.QuitRequested())
            return std::nullopt;
        m_at = m_pointer.Position().value_or(m_at);
        Frame(m_at);
    }
    m_window.Hide();
    return ColourAt(m_at);
}

bool QSK::KeyDown(int keyCode, int shift)
{
    // Keys typed after the end, in the same batch of events, leave the picked point alone.
    if (m_pickDone)
        return true;
    if (keyCode == VirtualKeyReturn || keyCode == VirtualKeySpace) {
        // As a release: the colour is read where the pointer is after this.
        m_pickDone = true;
    } else if (auto const step = PointerStep(keyCode, shift)) {
        m_at = SteppedOnDesk(m_at, step->x, step->y, m_desk);
        m_pointer.MoveTo(m_at);
        Frame(m_at);
    }
    return true;
}

}
