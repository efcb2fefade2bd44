#include "platform/win32/Win32Screen.h"

#include "platform/win32/DibImage.h"
#include "platform/win32/Handles.h"

#include <vector>

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

using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int EffectiveDpi = 0; // MDT_EFFECTIVE_DPI

int SystemDpi()
{
    WindowDc const screen(nullptr);
    int const dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : platform::DefaultDpi;
}

// GetDpiForMonitor lives in shcore from Windows 8.1 on; shcore stays loaded once asked for.
int DpiOf(HMONITOR monitor)
{
    static auto const getDpi = [] {
        HMODULE const shcore = LoadLibraryW(L"shcore.dll");
        return shcore ? reinterpret_cast<GetDpiForMonitorFunction>(
                   reinterpret_cast<void (*)()>(GetProcAddress(shcore, "GetDpiForMonitor")))
                      : nullptr;
    }();
    UINT x = 0;
    UINT y = 0;
    if (getDpi && monitor && SUCCEEDED(getDpi(monitor, EffectiveDpi, &x, &y)) && x > 0)
        return static_cast<int>(x);
    return SystemDpi();
}

gfx::Rect RectFrom(RECT const& r) { return { r.left, r.top, r.right - r.left, r.bottom - r.top }; }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    MONITORINFO info {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        reinterpret_cast<std::vector<platform::Monitor>*>(data)->push_back({ RectFrom(info.rcMonitor),
            RectFrom(info.rcWork), DpiOf(monitor), (info.dwFlags & MONITORINFOF_PRIMARY) != 0 });
    }
    return TRUE;
}

}

Desktop Win32Screen::Layout()
{
    PhysicalPixels const physical;
    gfx::Rect const bounds { GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN) };
    Desktop desktop { bounds, {} };
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&desktop.monitors));
    if (desktop.monitors.empty())
        return Desktop::Single(bounds, SystemDpi());
    return desktop;
}

int MonitorDpiOf(void* window)
{
    HMONITOR const monitor = window ? MonitorFromWindow(static_cast<HWND>(window), MONITOR_DEFAULTTONEAREST)
                                    : MonitorFromPoint({ 0, 0 }, MONITOR_DEFAULTTOPRIMARY);
    return DpiOf(monitor);
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
