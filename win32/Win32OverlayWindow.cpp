#include "win32/Win32OverlayWindow.h"

#include "win32/DibImage.h"
#include "win32/PhysicalPixels.h"
#include "win32/Win32Window.h"

#include <windows.h>

#include <optional>
#include <utility>

namespace platform::win32 {

class Win32OverlayWindow::Parts final : public WindowClient {
public:
    explicit Parts(gfx::Point corner)
        : window({ WindowKind::FullScreenTool, false, TransparentKeyColour, corner }, *this)
    {
    }

    void PaintArea(void* dc, gfx::Rect area) override
    {
        if (!back)
            return;
        BitBlt(static_cast<HDC>(dc), area.x, area.y, area.width, area.height, static_cast<HDC>(back->DeviceContext()),
            area.x, area.y, SRCCOPY);
    }

    std::optional<DibImage> back;
    // The window that had the focus before the overlay took it, to be given it back.
    HWND previous = nullptr;
    // Last, so that it goes first while the back buffer its last paint reads is still here.
    Win32Window window;
};

std::unique_ptr<Win32OverlayWindow> Win32OverlayWindow::Create(gfx::Rect area)
{
    auto parts = std::make_unique<Parts>(area.Location());
    {
        // Made per-monitor aware, the window's pixels are the screen's on every monitor.
        PhysicalPixels const physical;
        if (!parts->window.Create(area.Size(), ""))
            return nullptr;
    }
    parts->back = DibImage::Create(area.width, area.height);
    if (!parts->back)
        return nullptr;
    return std::unique_ptr<Win32OverlayWindow>(new Win32OverlayWindow(std::move(parts)));
}

Win32OverlayWindow::Win32OverlayWindow(std::unique_ptr<Parts> parts)
    : m_parts(std::move(parts))
{
}

Win32OverlayWindow::~Win32OverlayWindow() = default;

gfx::Image& Win32OverlayWindow::Pixels() { return m_parts->back->Pixels(); }

void Win32OverlayWindow::Invalidate(gfx::Rect area) { m_parts->window.Invalidate(area); }

void Win32OverlayWindow::SetPointerShape(PointerShape shape) { m_parts->window.SetPointerShape(shape); }

void Win32OverlayWindow::SetInput(InputEvents* input) { m_parts->window.SetInput(input); }

void Win32OverlayWindow::Show()
{
    m_parts->previous = GetForegroundWindow();
    m_parts->window.Show();
}

void Win32OverlayWindow::Hide()
{
    m_parts->window.Hide();
    // Otherwise no window may have the focus, and the next click on the main window would only
    // give it back.
    HWND const previous = std::exchange(m_parts->previous, nullptr);
    if (previous && IsWindow(previous) && IsWindowVisible(previous))
        SetForegroundWindow(previous);
}

void* Win32OverlayWindow::Handle() const { return m_parts->window.Handle(); }

}
