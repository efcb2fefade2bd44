#pragma once
// A screen that shows the picture a test gives it, and a pointer that is where a test puts it.

#include "platform/Pointer.h"
#include "platform/Screen.h"

namespace platform::fake {

class FakeScreen final : public Screen {
public:
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
};

class FakePointer final : public Pointer {
public:
    std::optional<gfx::Point> Position() override { return m_position; }
    void MoveTo(gfx::Point screen) override { m_position = screen; }

private:
    gfx::Point m_position { 0, 0 };
};

}
