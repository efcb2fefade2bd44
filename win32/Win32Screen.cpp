#include "win32/Win32Screen.h"

#include "win32/DibImage.h"
#include "win32/Handles.h"
#include "win32/PhysicalPixels.h"
#include "win32/SystemFunctions.h"

#include <algorithm>
#include <vector>

namespace platform::win32 {

namespace {

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
    static auto const getDpi = LookUp<GetDpiForMonitorFunction>(LoadLibraryW(L"shcore.dll"), "GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;
    if (getDpi && monitor && SUCCEEDED(getDpi(monitor, EffectiveDpi, &x, &y)) && x > 0)
        return static_cast<int>(x);
    return SystemDpi();
}

// The snapshot is copied from the screen a band of rows at a time, so that neither the system nor
// the X server under Wine ever holds a second picture of the whole screen.
constexpr int BandBytes = 1 << 20;

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
    Desktop const desk = Layout();
    gfx::Rect const bounds = desk.bounds;
    // Opaque black, which is what a gap between monitors shows: GDI is never asked for those pixels.
    auto picture = gfx::Image::Create(bounds.width, bounds.height, gfx::MakePixel(0, 0, 0));
    if (!picture)
        return std::nullopt;
    int const bandRows = std::clamp(BandBytes / (bounds.width * 4), 1, bounds.height);
    auto band = DibImage::Create(bounds.width, bandRows);
    WindowDc const screen(nullptr);
    if (!band || !screen.Get())
        return std::nullopt;
    HDC const bandDc = static_cast<HDC>(band->DeviceContext());
    for (int top = 0; top < bounds.height; top += bandRows) {
        // In screen coordinates; the screen's DC spans the virtual screen.
        gfx::Rect const strip { bounds.x, bounds.y + top, bounds.width, std::min(bandRows, bounds.height - top) };
        for (Monitor const& monitor : desk.monitors) {
            gfx::Rect const part = monitor.bounds.Intersected(strip);
            // CAPTUREBLT: layered windows of other programs are part of what the user sees.
            if (!part.IsEmpty()
                && !BitBlt(bandDc, part.x - strip.x, part.y - strip.y, part.width, part.height, screen.Get(), part.x,
                    part.y, SRCCOPY | CAPTUREBLT))
                return std::nullopt;
        }
        gfx::Image const& rows = band->Pixels();
        for (Monitor const& monitor : desk.monitors) {
            gfx::Rect const part = monitor.bounds.Intersected(strip);
            for (int y = part.y; y < part.Bottom(); ++y) {
                gfx::Pixel const* from = rows.Scanline(y - strip.y) + (part.x - strip.x);
                gfx::Pixel* to = picture->Scanline(y - bounds.y) + (part.x - bounds.x);
                // GDI leaves the fourth byte undefined; the screen is opaque.
                for (int x = 0; x < part.width; ++x)
                    to[x] = from[x] | 0xFF000000u;
            }
        }
    }
    return picture;
}

}
