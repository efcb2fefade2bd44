#include "screen/PickOverlay.h"

#include "gfx/Painter.h"
#include "screen/PickMagnifier.h"

namespace screen {

QSK::QSK(platform::OverlayWindow& window, gfx::Image const& snapshot, platform::Desktop desk)
    : m_window(window)
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
        gfx::Rect const old = MagnifierBounds(*m_shownFor, m_desk);
        painter.Blit(old.Location(), m_snapshot, old);
        m_window.Invalidate(old);
    }
    PaintPickMagnifier(frame, m_snapshot, pointer, m_desk);
    m_window.Invalidate(MagnifierBounds(pointer, m_desk));
    m_shownFor = pointer;
}

std::optional<Colour> QSK::QSKSL(platform::EventLoop& loop, platform::Pointer& pointer)
{
    gfx::Point at = pointer.Position().value_or(gfx::Point {});
    Frame(at);
    m_window.Show();
    while (!m_pickDone) {
        loop.ServeEvents(FrameWaitSeconds);
        if (loop.QuitRequested())
            return std::nullopt;
        at = pointer.Position().value_or(at);
        Frame(at);
    }
    m_window.Hide();
    return ColourAt(at);
}

}
