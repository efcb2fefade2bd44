#pragma once
// The desk as the screen tools see it: the virtual screen in overlay pixels (those of the
// snapshot, 0,0 at the virtual screen's top-left corner) and the monitors on it. A box the tools
// place for the user to read (a magnifier, an information box) belongs on one monitor: it is
// placed by that monitor's edges and never hangs into a gap or onto a neighbour.

#include "gfx/Geometry.h"
#include "platform/Screen.h"

namespace screen {

// The same desk moved so that its bounds start at 0,0.
platform::Desktop InOverlayPixels(platform::Desktop desk);

// The box moved into the monitor across those of its edges that the virtual screen does not
// share: past an outer edge nothing shows anyway, as past the edge of a single screen. Where the
// box is larger than the monitor, its left or top edge stays on the monitor.
gfx::Rect KeptOnMonitor(gfx::Rect box, gfx::Rect monitor, gfx::Rect desk);

// The monitor showing the largest part of the area; the pointer's own when no monitor shows more
// of it than that one (an empty area, one that lies in a gap, a tie).
// The pointer moved by a step and kept where a monitor shows it: a step that would leave every
// monitor (past the desk's edge, into a gap) stops at the edge of the monitor it started on.
gfx::Point SteppedOnDesk(gfx::Point from, int dx, int dy, platform::Desktop const& desk);

platform::Monitor const& MonitorShowingMost(platform::Desktop const& desk, gfx::Rect area, gfx::Point pointer);

}
