#include "platform/win32/Win32Screen.h"

#include "platform/win32/DibImage.h"
#include "platform/win32/Handles.h"

namespace platform::win32 {

namespace {

using SetThreadContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

// This thread sees the display's physical pixels while this lives. Windows before 10 1607 lack
// the function; there the process's own awareness holds.
class PhysicalPixels {
public:
    PhysicalPixels()
        : m_set(reinterpret_cast<SetThreadContextFunction>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext"))))
        , m_old(m_set ? m_set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE) : nullptr)
    {
    }
    ~PhysicalPixels()
    {
        if (m_old)
            m_set(m_old);
    }
    PhysicalPixels(PhysicalPixels const&) = delete;
    PhysicalPixels& operator=(PhysicalPixels const&) = delete;

private:
    SetThreadContextFunction m_set;
    DPI_AWARENESS_CONTEXT m_old;
};

}

std::optional<gfx::Image> Win32Screen::Snapshot()
{
    PhysicalPixels const physical;
    int const width = GetSystemMetrics(SM_CXSCREEN);
    int const height = GetSystemMetrics(SM_CYSCREEN);
    auto picture = DibImage::Create(width, height);
    WindowDc const screen(nullptr);
    if (!picture || !screen.Get())
        return std::nullopt;
    // CAPTUREBLT: layered windows of other programs are part of what the user sees.
    if (!BitBlt(
            static_cast<HDC>(picture->DeviceContext()), 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY | CAPTUREBLT))
        return std::nullopt;
    gfx::Image image = picture->Pixels().Clone();
    // GDI leaves the fourth byte undefined; the screen is opaque.
    for (int y = 0; y < height; ++y) {
        gfx::Pixel* const row = image.Scanline(y);
        for (int x = 0; x < width; ++x)
            row[x] |= 0xFF000000u;
    }
    return image;
}

}
