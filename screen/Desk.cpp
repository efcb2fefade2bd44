#include "screen/Desk.h"

#include <algorithm>
#include <cstdint>

namespace screen {

platform::Desktop InOverlayPixels(platform::Desktop desk)
{
    int const dx = -desk.bounds.x;
    int const dy = -desk.bounds.y;
    desk.bounds = desk.bounds.Translated(dx, dy);
    for (platform::Monitor& monitor : desk.monitors) {
        monitor.bounds = monitor.bounds.Translated(dx, dy);
        monitor.workArea = monitor.workArea.Translated(dx, dy);
    }
    return desk;
}

gfx::Rect KeptOnMonitor(gfx::Rect box, gfx::Rect monitor, gfx::Rect desk)
{
    if (monitor.Right() < desk.Right() && box.Right() > monitor.Right())
        box.x = monitor.Right() - box.width;
    if (monitor.x > desk.x && box.x < monitor.x)
        box.x = monitor.x;
    if (monitor.Bottom() < desk.Bottom() && box.Bottom() > monitor.Bottom())
        box.y = monitor.Bottom() - box.height;
    if (monitor.y > desk.y && box.y < monitor.y)
        box.y = monitor.y;
    return box;
}

gfx::Point SteppedOnDesk(gfx::Point from, int dx, int dy, platform::Desktop const& desk)
{
    gfx::Point const to { from.x + dx, from.y + dy };
    for (platform::Monitor const& monitor : desk.monitors) {
        if (monitor.bounds.Contains(to))
            return to;
    }
    gfx::Rect const on = desk.MonitorAt(from).bounds;
    return { std::clamp(to.x, on.x, std::max(on.x, on.Right() - 1)),
        std::clamp(to.y, on.y, std::max(on.y, on.Bottom() - 1)) };
}

platform::Monitor const& MonitorShowingMost(platform::Desktop const& desk, gfx::Rect area, gfx::Point pointer)
{
    platform::Monitor const& under = desk.MonitorAt(pointer);
    auto const shown = [&](platform::Monitor const& monitor) {
        gfx::Rect const part = area.Intersected(monitor.bounds);
        return std::int64_t { part.width } * part.height;
    };
    platform::Monitor const* best = &under;
    std::int64_t most = shown(under);
    for (platform::Monitor const& monitor : desk.monitors) {
        if (std::int64_t const size = shown(monitor); size > most) {
            most = size;
            best = &monitor;
        }
    }
    return *best;
}

}
