#include "screen/Selection.h"

#include "platform/InputEvents.h"

#include <algorithm>
#include <cstdlib>

namespace screen {

using platform::PointerShape;

namespace {

// One axis of the selection kept within 0 ... limit and never below zero in size. A start pulled
// back onto the screen keeps the far edge where it was.
void KeepWithin(int& start, int& size, int limit)
{
    size = std::max(size, 0);
    if (start < 0) {
        size = std::max(size + start, 0);
        start = 0;
    }
    start = std::min(start, limit);
    size = std::min(size, limit - start);
}

}

bool InSelection(int x, int y, SelRect const& r)
{
    return r.X <= x && x <= r.X + r.W && r.Y <= y && y <= r.Y + r.H;
}

bool OnSideEdge(int x, int y, SelRect const& r)
{
    return r.Y <= y && y <= r.Y + r.H && r.X - 1 <= x && x <= r.X + r.W + 1 && (x <= r.X + 1 || x >= r.X + r.W - 1);
}

bool OnTopBottomEdge(int x, int y, SelRect const& r)
{
    return r.X <= x && x <= r.X + r.W && r.Y - 1 <= y && y <= r.Y + r.H + 1 && (y <= r.Y + 1 || y >= r.Y + r.H - 1);
}

void Selection::MouseMove(int buttons, int x, int y)
{
    if (m_state == SelState::Selected) {
        if (OnTopBottomEdge(x, y, m_rect))
            m_shape = PointerShape::SizeNorthSouth;
        else if (OnSideEdge(x, y, m_rect))
            m_shape = PointerShape::SizeWestEast;
        else if (InSelection(x, y, m_rect))
            m_shape = PointerShape::Move;
        else
            m_shape = PointerShape::Arrow;
    }
    m_mouseX = x;
    m_mouseY = y;
    if (buttons != platform::LeftButton)
        return;
    SelRect& r = m_rect;
    switch (m_state) {
    case SelState::Drawing:
        r.X = std::min(m_anchorX, x);
        r.W = std::abs(x - m_anchorX);
        r.Y = std::min(m_anchorY, y);
        r.H = std::abs(y - m_anchorY);
        break;
    case SelState::Moving:
        r.X = std::min(std::max(r.X + (x - m_lastX), 0), m_screen.width - r.W);
        r.Y = std::min(std::max(r.Y + (y - m_lastY), 0), m_screen.height - r.H);
        m_lastX = x;
        m_lastY = y;
        break;
    case SelState::SizingRight:
        r.W += x - m_lastX;
        if (r.W < 0)
            r.W = 0;
        else
            m_lastX = x;
        break;
    case SelState::SizingLeft: {
        int const d = x - m_lastX;
        r.X += d;
        r.W -= d;
        if (r.W < 0) {
            r.W = 0;
            r.X = m_lastX;
        } else {
            m_lastX = x;
        }
        break;
    }
    case SelState::SizingBottom:
        r.H += y - m_lastY;
        if (r.H < 0)
            r.H = 0;
        else
            m_lastY = y;
        break;
    case SelState::SizingTop: {
        int const d = y - m_lastY;
        r.Y += d;
        r.H -= d;
        if (r.H < 0) {
            r.H = 0;
            r.Y = m_lastY;
        } else {
            m_lastY = y;
        }
        break;
    }
    case SelState::Idle:
    case SelState::Selected:
        break;
    }
    // The pointer may leave the screen while it holds the button (and lies in a gap on a desk of
    // monitors of different sizes); the selection never does.
    SelRect const wanted = r;
    KeepWithin(r.X, r.W, m_screen.width);
    KeepWithin(r.Y, r.H, m_screen.height);
    // An edge held back at the screen's edge goes on from where it stopped once the pointer comes
    // back to where it grabbed it.
    switch (m_state) {
    case SelState::SizingRight:
        m_lastX += (r.X + r.W) - (wanted.X + wanted.W);
        break;
    case SelState::SizingLeft:
        m_lastX += r.X - wanted.X;
        break;
    case SelState::SizingBottom:
        m_lastY += (r.Y + r.H) - (wanted.Y + wanted.H);
        break;
    case SelState::SizingTop:
        m_lastY += r.Y - wanted.Y;
        break;
    default:
        break;
    }
}

void Selection::MouseDown(int button, int x, int y)
{
    if (button == platform::RightButton) {
        m_rect = {};
        m_shape = PointerShape::Arrow;
        m_state = SelState::Idle;
        return;
    }
    if (button != platform::LeftButton)
        return;
    if (m_state == SelState::Idle) {
        m_anchorX = x;
        m_anchorY = y;
        m_state = SelState::Drawing;
        return;
    }
    if (m_state != SelState::Selected)
        return;
    // What a press does was decided by the last move: the shape shows it.
    switch (m_shape) {
    case PointerShape::Move:
        m_lastX = x;
        m_lastY = y;
        m_state = SelState::Moving;
        break;
    case PointerShape::SizeNorthSouth:
        m_lastY = y;
        m_state = y - m_rect.Y >= 2 ? SelState::SizingBottom : SelState::SizingTop;
        break;
    case PointerShape::SizeWestEast:
        m_lastX = x;
        m_state = x - m_rect.X >= 2 ? SelState::SizingRight : SelState::SizingLeft;
        break;
    default:
        break;
    }
}

void Selection::MouseUp()
{
    if (m_state != SelState::Idle)
        m_state = SelState::Selected;
}

std::optional<gfx::Point> Selection::KeyDown(int keyCode)
{
    SelRect& r = m_rect;
    switch (keyCode) {
    case VirtualKeyLeft:
        if (--r.W < 0) {
            r.W = 0;
            return std::nullopt;
        }
        --m_mouseX;
        break;
    case VirtualKeyUp:
        if (--r.H < 0) {
            r.H = 0;
            return std::nullopt;
        }
        --m_mouseY;
        break;
    case VirtualKeyRight:
        if (r.X + ++r.W > m_screen.width) {
            r.W = std::max(m_screen.width - r.X, 0);
            return std::nullopt;
        }
        ++m_mouseX;
        break;
    case VirtualKeyDown:
        if (r.Y + ++r.H > m_screen.height) {
            r.H = std::max(m_screen.height - r.Y, 0);
            return std::nullopt;
        }
        ++m_mouseY;
        break;
    default:
        return std::nullopt;
    }
    return gfx::Point { m_mouseX, m_mouseY };
}

void Selection::KeyPress(char32_t character)
{
    if (character == EscapeCharacter)
        m_captureDone = true;
}

}
