#pragma once
// The capture tool's selection: the rectangle, its state, and what the pointer and the keys do
// to it. Drawn out from an anchor, moved inside the screen, resized by one edge at a time (never
// past zero), fine-tuned by the arrow keys, cleared by a right-click; Esc ends the capture.
// Whatever the pointer and the keys do, the selection stays on the (virtual) screen.
// Pure logic on overlay pixels: the overlay feeds it events and shows what it says.

#include "gfx/Geometry.h"
#include "platform/Pointer.h"

#include <cstdint>
#include <optional>

namespace screen {

// The selected pixels are columns X ... X+W-1 and rows Y ... Y+H-1.
struct SelRect {
    int X = 0;
    int Y = 0;
    int W = 0;
    int H = 0;

    bool IsEmpty() const { return W == 0 || H == 0; }
    friend bool operator==(SelRect const&, SelRect const&) = default;
};

enum class SelState : std::uint8_t { Idle, Drawing, Selected, Moving, SizingRight, SizingLeft, SizingBottom, SizingTop };

// Hit tests, inclusive at both ends: an edge is three pixels wide, and a corner belongs to the top
// or bottom edge.
bool InSelection(int x, int y, SelRect const& r);
bool OnSideEdge(int x, int y, SelRect const& r);
bool OnTopBottomEdge(int x, int y, SelRect const& r);

inline constexpr int VirtualKeyLeft = 37;
inline constexpr int VirtualKeyUp = 38;
inline constexpr int VirtualKeyRight = 39;
inline constexpr int VirtualKeyDown = 40;
inline constexpr int VirtualKeyReturn = 13;
inline constexpr int VirtualKeySpace = 32;
inline constexpr char32_t EscapeCharacter = 27;

class Selection {
public:
    explicit Selection(gfx::Size screen)
        : m_screen(screen)
    {
    }

    SelRect const& Rect() const { return m_rect; }
    SelState State() const { return m_state; }
    platform::PointerShape Shape() const { return m_shape; }
    gfx::Point Mouse() const { return { m_mouseX, m_mouseY }; }
    bool CaptureDone() const { return m_captureDone; }
    void EndCapture() { m_captureDone = true; }

    // `buttons` is the mask of buttons held.
    void MouseMove(int buttons, int x, int y);
    void MouseDown(int button, int x, int y);
    void MouseUp();
    // The arrow keys resize at the right or bottom side by one pixel; where the pointer should go
    // with it, when it moves.
    std::optional<gfx::Point> KeyDown(int keyCode);
    void KeyPress(char32_t character);

private:
    gfx::Size m_screen;
    SelRect m_rect;
    SelState m_state = SelState::Idle;
    platform::PointerShape m_shape = platform::PointerShape::Arrow;
    int m_anchorX = 0;
    int m_anchorY = 0;
    int m_lastX = 0;
    int m_lastY = 0;
    int m_mouseX = 0;
    int m_mouseY = 0;
    bool m_captureDone = false;
};

}
