#pragma once
// The main window as the program moves, hides and shows it. Positions are screen pixels of the
// window's top-left corner.

#include "gfx/Geometry.h"

namespace platform {

class Window {
public:
    virtual ~Window() = default;
    virtual gfx::Point Position() const = 0;
    virtual void MoveTo(gfx::Point topLeft) = 0;
    // Showing brings a minimised window back to its place on the screen.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
    // Minimised by the user or the system (Win+M); such a window may still count as visible.
    virtual bool IsMinimised() const = 0;
};

}
