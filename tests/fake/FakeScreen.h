#pragma once
// A screen that shows the picture a test gives it, on one monitor unless a test lays out more,
// and a pointer that is where a test puts it.

#include "platform/Pointer.h"
#include "platform/Screen.h"

namespace platform::fake {

class FakeScreen final : public Screen {
public:
    Desktop Layout() override
    {
        if (m_layout)
            return *m_layout;
        gfx::Size const size = m_picture ? m_picture->Size() : gfx::Size { 1, 1 };
        return Desktop::Single({ 0, 0, size.width, size.height });
    }
    void SetLayout(Desktop layout) { m_layout = std::move(layout); }

    // Nothing until a test shows a picture, as when the system refuses.
    std::optional<gfx::Image> Snapshot() override
    {
        if (!m_picture)
            return std::nullopt;
        return m_picture->Clone();
    }
    void Show(gfx::Image picture) { m_picture = std::move(picture); }

private:
    std::optional<gfx::Image> m_picture;
    std::optional<Desktop> m_layout;
};

class FakePointer final : public Pointer {
public:
    std::optional<gfx::Point> Position() override { return m_position; }
    void MoveTo(gfx::Point screen) override { m_position = screen; }

private:
    gfx::Point m_position { 0, 0 };
};

}
