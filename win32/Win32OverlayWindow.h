#pragma once
// The overlay on a Win32Window over the virtual screen: a DIB back buffer of its size in physical
// pixels and a paint that copies only the invalidated areas from it. Opaque handles only.

#include "platform/OverlayWindow.h"

#include <memory>

namespace platform::win32 {

class Win32OverlayWindow final : public OverlayWindow {
public:
    // Over that area of the screen, in physical pixels (the virtual screen's bounds). Nothing when
    // Windows refuses the window or the memory for its back buffer.
    static std::unique_ptr<Win32OverlayWindow> Create(gfx::Rect area);
    ~Win32OverlayWindow() override;
    Win32OverlayWindow(Win32OverlayWindow const&) = delete;
    Win32OverlayWindow& operator=(Win32OverlayWindow const&) = delete;

    gfx::Image& Pixels() override;
    void Invalidate(gfx::Rect area) override;
    void SetPointerShape(PointerShape shape) override;
    void SetInput(InputEvents* input) override;
    void Show() override;
    void Hide() override;
    // The window (an HWND).
    void* Handle() const;

private:
    class Parts;
    explicit Win32OverlayWindow(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> m_parts;
};

}
