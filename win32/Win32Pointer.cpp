#include "win32/Win32Pointer.h"

#include "win32/PhysicalPixels.h"

#include <windows.h>

namespace platform::win32 {

std::optional<gfx::Point> Win32Pointer::Position()
{
    PhysicalPixels const physical;
    POINT point {};
    if (!GetCursorPos(&point))
        return std::nullopt;
    return gfx::Point { point.x, point.y };
}

void Win32Pointer::MoveTo(gfx::Point screen)
{
    PhysicalPixels const physical;
    SetCursorPos(screen.x, screen.y);
}

void* SystemCursor(PointerShape shape)
{
    wchar_t const* name = IDC_ARROW;
    switch (shape) {
    case PointerShape::Arrow:
        name = IDC_ARROW;
        break;
    case PointerShape::Cross:
        name = IDC_CROSS;
        break;
    case PointerShape::Hand:
        name = IDC_HAND;
        break;
    case PointerShape::Move:
        name = IDC_SIZEALL;
        break;
    case PointerShape::SizeWestEast:
        name = IDC_SIZEWE;
        break;
    case PointerShape::SizeNorthSouth:
        name = IDC_SIZENS;
        break;
    case PointerShape::SizeNorthWestSouthEast:
        name = IDC_SIZENWSE;
        break;
    case PointerShape::SizeNorthEastSouthWest:
        name = IDC_SIZENESW;
        break;
    }
    return LoadCursorW(nullptr, name);
}

}
