#pragma once
// The desk as pictures: every monitor and where it sits, and a snapshot of all of them. The pick
// and capture overlays work on a snapshot taken when they start, never on the live screen while
// they paint.
//
// Coordinates are the system's virtual-screen pixels: the primary monitor's top-left corner is
// 0,0 and other monitors may lie at negative coordinates. Monitors of different sizes leave gaps
// that no monitor shows.

#include "gfx/Geometry.h"
#include "gfx/Image.h"
#include "platform/Dpi.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

struct Monitor {
    gfx::Rect bounds;
    // Without the taskbar and docked bars.
    gfx::Rect workArea;
    // What the system scales to on this monitor; 96 is 100 %.
    int dpi = DefaultDpi;
    bool primary = false;

    friend bool operator==(Monitor const&, Monitor const&) = default;
};

struct Desktop {
    // The smallest rectangle around every monitor.
    gfx::Rect bounds;
    // Never empty: a system that names no monitor is taken as one at the bounds.
    std::vector<Monitor> monitors;

    // One monitor showing all of bounds.
    static Desktop Single(gfx::Rect bounds, int dpi = DefaultDpi)
    {
        return { bounds, { Monitor { bounds, bounds, dpi, true } } };
    }

    // The monitor that shows the point, or the nearest one for a point in a gap or off the desk.
    Monitor const& MonitorAt(gfx::Point point) const
    {
        Monitor const* nearest = &monitors.front();
        std::int64_t best = -1;
        for (Monitor const& monitor : monitors) {
            gfx::Rect const& r = monitor.bounds;
            std::int64_t const dx = point.x < r.x ? std::int64_t { r.x } - point.x
                : point.x >= r.Right()            ? std::int64_t { point.x } - r.Right() + 1
                                                  : 0;
            std::int64_t const dy = point.y < r.y ? std::int64_t { r.y } - point.y
                : point.y >= r.Bottom()           ? std::int64_t { point.y } - r.Bottom() + 1
                                                  : 0;
            std::int64_t const distance = dx * dx + dy * dy;
            if (best < 0 || distance < best) {
                best = distance;
                nearest = &monitor;
            }
        }
        return *nearest;
    }

    Monitor const& Primary() const
    {
        for (Monitor const& monitor : monitors) {
            if (monitor.primary)
                return monitor;
        }
        return monitors.front();
    }
};

class Screen {
public:
    virtual ~Screen() = default;
    // The monitors as the system has them now.
    virtual Desktop Layout() = 0;
    // The whole virtual screen in physical pixels, every pixel opaque: the picture's 0,0 is the
    // top-left corner of Layout().bounds, and pixels in a gap between monitors are black.
    // Nothing when the system refuses (a locked desktop, for one).
    virtual std::optional<gfx::Image> Snapshot() = 0;
};

}
