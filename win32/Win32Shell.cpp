#include "win32/Win32Shell.h"

#include "colour/Hsv.h"
#include "win32/Handles.h"
#include "win32/SystemFunctions.h"
#include "win32/Unicode.h"

#include <shellapi.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <vector>

namespace platform::win32 {

namespace {

constexpr UINT TrayIconId = 1;

// A private message, not the mouse-move message: a real move over the window at x = 514 must
// not be taken for a click on the tray icon.
constexpr UINT TrayMessage = WM_APP + 1;

NOTIFYICONDATAW TrayRecord(void* window, void* icon)
{
    NOTIFYICONDATAW record {};
    record.cbSize = sizeof record;
    record.hWnd = static_cast<HWND>(window);
    record.uID = TrayIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = TrayMessage;
    record.hIcon = static_cast<HICON>(icon);
    return record;
}

}

unsigned TrayCallbackMessage() { return TrayMessage; }

Win32Tray::Win32Tray(void* window, void* icon)
    : m_window(window)
    , m_icon(icon)
{
}

// An icon left behind would stay in the tray until the user moves the pointer over it.
Win32Tray::~Win32Tray()
{
    if (m_added)
        RemoveIcon();
}

bool Win32Tray::AddIcon(std::string_view tip)
{
    NOTIFYICONDATAW record = TrayRecord(m_window, m_icon);
    std::wstring const text = Widen(tip);
    // The tip holds 127 characters and its terminator.
    wcsncpy(record.szTip, text.c_str(), std::size(record.szTip) - 1);
    // A taskbar that started anew has no icon to modify; one that kept it refuses a second add.
    m_added = Shell_NotifyIconW(NIM_ADD, &record) != FALSE || Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
    return m_added;
}

bool Win32Tray::RemoveIcon()
{
    NOTIFYICONDATAW record = TrayRecord(m_window, m_icon);
    m_added = false;
    return Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
}

Win32Hotkeys::Win32Hotkeys(void* window)
    : m_window(window)
{
}

bool Win32Hotkeys::Register(int id, int modifiers, int keyCode)
{
#ifndef MOD_NOREPEAT
    constexpr UINT MOD_NOREPEAT = 0x4000;
#endif
    // A held hotkey acts once. A system that does not know the flag may refuse it: then without.
    HWND const window = static_cast<HWND>(m_window);
    auto const mods = static_cast<UINT>(modifiers);
    auto const key = static_cast<UINT>(keyCode);
    return RegisterHotKey(window, id, mods | MOD_NOREPEAT, key) != FALSE || RegisterHotKey(window, id, mods, key) != FALSE;
}

void Win32Hotkeys::Unregister(int id) { UnregisterHotKey(static_cast<HWND>(m_window), id); }

bool Win32Hotkeys::KeyDown(int keyCode) const { return (GetAsyncKeyState(keyCode) & 0x8000) != 0; }

AppIcon::AppIcon(int size)
{
    BITMAPV5HEADER header {};
    header.bV5Size = sizeof header;
    header.bV5Width = size;
    header.bV5Height = -size;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    WindowDc screen(nullptr);
    GdiObject<HBITMAP> colour(CreateDIBSection(screen.Get(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
        &bits, nullptr, 0));
    // The alpha channel shapes the icon; the mask must still be defined, and a new bitmap's bits are
    // not: all zero, every pixel drawn. Rows of one-bit pixels are padded to 16 bits.
    std::vector<std::uint8_t> const maskBits(static_cast<size_t>((size + 15) / 16 * 2 * size), 0);
    GdiObject<HBITMAP> mask(CreateBitmap(size, size, 1, 1, maskBits.data()));
    if (!colour.Get() || !mask.Get() || !bits)
        return;
    // A hue wheel with a white centre, fully transparent outside.
    auto* pixels = static_cast<std::uint32_t*>(bits);
    double const centre = (size - 1) / 2.0;
    double const radius = size / 2.0 - 0.5;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double const dx = x - centre;
            double const dy = y - centre;
            double const distance = std::sqrt(dx * dx + dy * dy);
            std::uint32_t pixel = 0;
            if (distance <= radius) {
                double const angle = std::atan2(-dy, dx) * 180.0 / 3.14159265358979323846;
                auto const hue = static_cast<std::int16_t>(std::lround(angle < 0 ? angle + 360 : angle) % 360);
                auto const saturation = static_cast<std::int16_t>(std::clamp(distance / radius * 140.0, 0.0, 100.0));
                Colour const c = GG::HsvToColour(hue, saturation, 100);
                pixel = 0xFF000000u | static_cast<std::uint32_t>(RedOf(c) << 16 | GreenOf(c) << 8 | BlueOf(c));
            }
            pixels[y * size + x] = pixel;
        }
    }
    ICONINFO info {};
    info.fIcon = TRUE;
    info.hbmColor = colour.Get();
    info.hbmMask = mask.Get();
    m_icon = CreateIconIndirect(&info);
}

AppIcon::~AppIcon()
{
    if (m_icon)
        DestroyIcon(static_cast<HICON>(m_icon));
}

namespace {

using MetricsForDpiFunction = int(WINAPI*)(int, UINT);

// GetSystemMetricsForDpi exists from Windows 10 1607.
int MetricAt(int index, int dpi)
{
    static auto const forDpi = LookUpUser32<MetricsForDpiFunction>("GetSystemMetricsForDpi");
    int const side = forDpi && dpi > 0 ? forDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
    return side > 0 ? side : GetSystemMetrics(index);
}

// An icon is drawn by the program: a size from a broken system is kept to something drawable.
int IconSide(int side, int fallback) { return side > 0 && side <= 256 ? side : fallback; }

}

int SmallIconSide(int dpi) { return IconSide(MetricAt(SM_CXSMICON, dpi), 16); }

int LargeIconSide(int dpi) { return IconSide(MetricAt(SM_CXICON, dpi), 32); }

void SetWindowIcons(void* window, AppIcon const& big, AppIcon const& small)
{
    auto const handle = static_cast<HWND>(window);
    SendMessageW(handle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Handle()));
    SendMessageW(handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Handle()));
}

}
