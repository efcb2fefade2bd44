#include "screen/ScreenTools.h"

#include "screen/CaptureOverlay.h"
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
    // The snapshot is taken before the overlay exists, so the overlay is never part of it.
    auto snapshot = m_services->screen.Snapshot();
    if (!snapshot)
        return std::nullopt;
    auto overlay = m_services->makeOverlay();
    if (!overlay)
        return std::nullopt;
    return Opened { std::move(*snapshot), std::move(overlay) };
}

std::optional<Colour> ScreenTools::StartPick()
{
    if (!m_services || m_running)
        return std::nullopt;
    RunningFlag const running(m_running);
    auto opened = Open();
    if (!opened)
        return std::nullopt;
    QSK pick(*opened->overlay, std::move(opened->snapshot));
    auto const colour = pick.QSKSL(m_services->loop, m_services->pointer);
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
    JTK capture(*opened->overlay, m_services->text, m_services->pointer, std::move(opened->snapshot));
    if (auto const picture = capture.JTKS(m_services->loop))
        m_services->clipboard.SetImage(*picture);
}

}
