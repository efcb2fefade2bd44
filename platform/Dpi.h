#pragma once
// Pixels per inch. The program's layouts (a skin's numbers, the overlays' boxes) are in units of a
// 96-DPI screen; a monitor scaled to 150 % has 144.

namespace platform {

inline constexpr int DefaultDpi = 96;

}
