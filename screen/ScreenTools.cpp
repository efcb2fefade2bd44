#include "screen/ScreenTools.h"

#include "screen/CaptureOverlay.h"
#include "screen/Desk.h"
#include "screen/OverlayPointer.h"
#include "screen/PickOverlay.h"

namespace screen {

namespace {

// Marks a tool as running for as long as it runs.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~RunningFlag() { m_flag = false; }
    RunningFlag(RunningFlag const&) = delete;
    RunningFlag& operator=(RunningFlag const&) = delete;

private:
    bool& m_flag;
};

}

std::optional<ScreenTools::Opened> ScreenTools::Open()
{
    platform::Desktop layout = m_services->screen.Layout();
    // The snapshot is taken before the overlay exists, so the overlay is never part of it.
    auto snapshot = m_services->screen.Snapshot();
    if (!snapshot)
        return std::nullopt;
    // Monitors that changed between the two looks: the snapshot is what will be shown.
    if (snapshot->Size() != layout.bounds.Size())
        layout = platform::Desktop::Single({ layout.bounds.x, layout.bounds.y, snapshot->Width(), snapshot->Height() });
    auto overlay = m_services->makeOverlay(layout.bounds);
    if (!overlay || overlay->Pixels().Size() != snapshot->Size())
        return std::nullopt;
    gfx::Point const origin = layout.bounds.Location();
    return Opened { origin, InOverlayPixels(std::move(layout)), std::move(*snapshot), std::move(overlay) };
}

std::optional<Colour> ScreenTools::StartPick()
{
    if (!m_services || m_running)
        return std::nullopt;
    RunningFlag const running(m_running);
    auto opened = Open();
    if (!opened)
        return std::nullopt;
    OverlayPointer pointer(m_services->pointer, opened->origin);
    QSK pick(*opened->overlay, pointer, opened->snapshot, opened->desk);
    auto const colour = pick.QSKSL(m_services->loop);
    if (!colour || !IsValidColour(*colour))
        return std::nullopt;
    return colour;
}

void ScreenTools::StartCapture()
{
    if (!m_services || m_running)
        return;
    RunningFlag const running(m_running);
    auto opened = Open();
    if (!opened)
        return;
    std::optional<gfx::Rect> chosen;
    {
        OverlayPointer pointer(m_services->pointer, opened->origin);
        JTK capture(*opened->overlay, m_services->text, pointer, opened->snapshot, opened->desk);
        chosen = capture.JTKS(m_services->loop);
    }
    // The overlay and its back buffer go before the clipboard takes its copy of the selected
    // pixels, which it reads straight from the snapshot.
    opened->overlay.reset();
    gfx::Image& snapshot = opened->snapshot;
    gfx::Rect const part = chosen ? chosen->Intersected(snapshot.Bounds()) : gfx::Rect {};
    if (!part.IsEmpty())
        m_services->clipboard.SetImage(
            gfx::Image::Wrap(snapshot.Scanline(part.y) + part.x, part.width, part.height, snapshot.Stride()));
}

}
