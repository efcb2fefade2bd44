#include "screen/CaptureOverlay.h"

#include "screen/PickOverlay.h"

namespace screen {

JTK::JTK(platform::OverlayWindow& window, platform::TextRenderer& text, platform::Pointer& pointer,
    gfx::Image const& snapshot, platform::Desktop desk)
    : m_window(window)
    , m_text(text)
    , m_pointer(pointer)
    , m_desk(std::move(desk))
    , m_assets(CaptureAssets::Make(snapshot, text, m_desk.MonitorAt(pointer.Position().value_or(gfx::Point {})).dpi))
    , m_screen(snapshot.Size())
    , m_selection(m_screen)
{
    // The arrow keys step from where the pointer is, also before it has moved over the overlay.
    if (auto const at = pointer.Position())
        m_selection.MouseMove(0, at->x, at->y);
    m_window.SetInput(this);
}

JTK::~JTK() { m_window.SetInput(nullptr); }

void JTK::Frame()
{
    CaptureLayout layout = LayOutCaptureFrame(m_selection, m_desk, m_assets, m_text, m_memory);
    std::vector<gfx::Rect> const changed = ChangedAreas(m_shown, layout, m_screen, m_assets);
    if (!changed.empty()) {
        auto const source = MagnifierSource(layout, m_assets, m_text);
        gfx::Image& frame = m_window.Pixels();
        for (gfx::Rect const& area : changed) {
            gfx::Painter painter(frame);
            painter.AddClip(area);
            PaintCaptureFrame(painter, layout, m_assets, m_text, source ? &*source : nullptr);
            m_window.Invalidate(area);
        }
    }
    m_shown = std::move(layout);
}

std::optional<gfx::Rect> JTK::JTKS(platform::EventLoop& loop)
{
    Frame();
    m_window.Show();
    while (!m_selection.CaptureDone()) {
        loop.ServeEvents(FrameWaitSeconds);
        if (loop.QuitRequested())
            return std::nullopt;
        Frame();
    }
    m_window.Hide();
    return std::move(m_result);
}

void JTK::PointerDown(gfx::Point at, int button, int)
{
    m_selection.MouseDown(button, at.x, at.y);
    m_window.SetPointerShape(m_selection.Shape());
}

void JTK::PointerMove(gfx::Point at, int buttons, int)
{
    m_selection.MouseMove(buttons, at.x, at.y);
    m_window.SetPointerShape(m_selection.Shape());
}

void JTK::PointerUp(gfx::Point, int, int) { m_selection.MouseUp(); }

void JTK::PointerDoubleClick(gfx::Point, int, int)
{
    // A selection with no width or no height gives no picture any program could paste.
    SelRect const& r = m_selection.Rect();
    if (r.W == 0 || r.H == 0)
        return;
    m_result = gfx::Rect { r.X, r.Y, r.W, r.H };
    m_selection.EndCapture();
}

bool JTK::KeyDown(int keyCode, int)
{
    bool const arrow = keyCode >= VirtualKeyLeft && keyCode <= VirtualKeyDown;
    if (auto const moveTo = m_selection.KeyDown(keyCode))
        m_pointer.MoveTo(*moveTo);
    return arrow;
}

bool JTK::KeyPress(char32_t character)
{
    m_selection.KeyPress(character);
    return true;
}

}
