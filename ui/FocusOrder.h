#pragma once
// The keyboard's way through a form. The tab order is the form's own order of controls, which
// the window builds in reading order (the header, the panel shown, the footer): each shown control
// that acts when clicked or double-clicked or takes keys of its own, and every native input, is a
// stop; the members of a
// focus group (a grid of swatches) are one stop together, and the arrows move among them by
// their places on the screen. Pure functions over the form; nothing here changes it.

#include "ui/Form.h"

namespace ui {

// Virtual-key codes the keyboard's moves use.
inline constexpr int TabKey = 0x09;
inline constexpr int EnterKey = 0x0D;
inline constexpr int SpaceKey = 0x20;
inline constexpr int LeftKey = 0x25;
inline constexpr int UpKey = 0x26;
inline constexpr int RightKey = 0x27;
inline constexpr int DownKey = 0x28;
// The menu key, and F10 (with Shift: the context menu).
inline constexpr int AppsKey = 0x5D;
inline constexpr int F10Key = 0x79;

// Whether the control can hold the focus now: shown, and native, acting on a click, or taking keys.
bool TakesFocus(Control const& control);

// The next stop after `from` (or before it), wrapping round; from the start when `from` is null.
// A group is entered at its first member in form order; null when nothing takes the focus.
Control* NextTabStop(Form const& form, Control const* from, bool backwards);

// The member of `from`'s group an arrow key moves to: left and right go through the group in
// reading order, up and down to the nearest row above or below, to the member nearest in column.
// Null at the group's edge, for a control in no group, or for another key.
Control* ArrowTarget(Form const& form, Control const& from, int keyCode);

}
