#pragma once
// An overlay that keeps its picture in memory and remembers which areas were said to change.

#include "platform/OverlayWindow.h"

#include <utility>
#include <vector>

namespace platform::fake {

class FakeOverlayWindow final : public OverlayWindow {
public:
    explicit FakeOverlayWindow(gfx::Size screen)
        : m_pixels(gfx::Image::Create(screen.width, screen.height).value_or(gfx::Image()))
    {
    }

    gfx::Image& Pixels() override { return m_pixels; }
    void Invalidate(gfx::Rect area) override { m_invalidated.push_back(area); }
    void SetPointerShape(PointerShape shape) override { m_shape = shape; }
    void SetInput(InputEvents* input) override { m_input = input; }
    void Show() override { m_visible = true; }
    void Hide() override { m_visible = false; }

    InputEvents* Input() const { return m_input; }
    bool Visible() const { return m_visible; }
    PointerShape Shape() const { return m_shape; }
    std::vector<gfx::Rect> TakeInvalidated() { return std::exchange(m_invalidated, {}); }

private:
    gfx::Image m_pixels;
    std::vector<gfx::Rect> m_invalidated;
    PointerShape m_shape = PointerShape::Arrow;
    InputEvents* m_input = nullptr;
    bool m_visible = false;
};

}
