#include "ui/FocusOrder.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

namespace ui {

namespace {

std::vector<Control*> GroupMembers(Form const& form, int group)
{
    std::vector<Control*> members;
    for (auto const& control : form.Controls()) {
        if (control->FocusGroup() == group && TakesFocus(*control))
            members.push_back(control.get());
    }
    return members;
}

bool ReadsBefore(Control const* a, Control const* b)
{
    gfx::Rect const ra = a->UnitBounds();
    gfx::Rect const rb = b->UnitBounds();
    return ra.y != rb.y ? ra.y < rb.y : ra.x < rb.x;
}

int CentreX(Control const& control)
{
    gfx::Rect const r = control.UnitBounds();
    return r.x + r.width / 2;
}

}

bool TakesFocus(Control const& control)
{
    if (!control.Shown())
        return false;
    if (control.IsNative())
        return control.Kind() != ControlKind::WebBrowser;
    return control.OnClick || control.OnDoubleClick || control.OnKeyDown;
}

Control* NextTabStop(Form const& form, Control const* from, bool backwards)
{
    auto const& controls = form.Controls();
    auto const count = static_cast<int>(controls.size());
    if (count == 0)
        return nullptr;
    int start = backwards ? count : -1;
    for (int i = 0; i < count; ++i) {
        if (controls[i].get() == from)
            start = i;
    }
    int const fromGroup = from ? from->FocusGroup() : 0;
    int const step = backwards ? -1 : 1;
    for (int n = 1; n <= count; ++n) {
        int const i = ((start + step * n) % count + count) % count;
        Control* const control = controls[i].get();
        if (!TakesFocus(*control))
            continue;
        int const group = control->FocusGroup();
        if (group == 0)
            return control;
        if (group == fromGroup)
            continue;
        return GroupMembers(form, group).front();
    }
    // Only the control we came from takes the focus, or nothing does.
    return from && TakesFocus(*from) ? const_cast<Control*>(from) : nullptr;
}

Control* ArrowTarget(Form const& form, Control const& from, int keyCode)
{
    if (from.FocusGroup() == 0)
        return nullptr;
    std::vector<Control*> members = GroupMembers(form, from.FocusGroup());
    std::stable_sort(members.begin(), members.end(), ReadsBefore);
    auto const at = std::find(members.begin(), members.end(), &from);
    if (at == members.end())
        return nullptr;
    switch (keyCode) {
    case LeftKey:
        return at == members.begin() ? nullptr : *(at - 1);
    case RightKey:
        return at + 1 == members.end() ? nullptr : *(at + 1);
    case UpKey:
    case DownKey: {
        bool const down = keyCode == DownKey;
        int const top = from.UnitBounds().y;
        // The nearest row in that direction, then the member nearest in column on it.
        int row = down ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
        for (Control const* member : members) {
            int const y = member->UnitBounds().y;
            if (down ? (y > top && y < row) : (y < top && y > row))
                row = y;
        }
        Control* best = nullptr;
        for (Control* member : members) {
            if (member->UnitBounds().y != row)
                continue;
            if (!best || std::abs(CentreX(*member) - CentreX(from)) < std::abs(CentreX(*best) - CentreX(from)))
                best = member;
        }
        return best;
    }
    default:
        return nullptr;
    }
}

}
