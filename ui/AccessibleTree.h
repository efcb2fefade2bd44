#pragma once
// What assistive technology is told about a form: one child per control that means something to
// a user (every control but shapes, web boxes and pictures that only decorate), with its name,
// role, state, place and default action, worked out from the controls themselves each time it is
// asked. A new control is in the tree without a line of its own. Child ids count from 1 in the
// form's order and stay the same once the window is built; a hidden control keeps its id and
// says it is invisible. Portable; the platform turns these into the system's accessible objects.

#include "ui/Form.h"

#include <string>
#include <vector>

namespace ui {

enum AccessibleState : unsigned {
    StateChecked = 1u << 0,
    StateSelected = 1u << 1,
    StateFocused = 1u << 2,
    StateInvisible = 1u << 3,
    StateUnavailable = 1u << 4,
    StateFocusable = 1u << 5,
    StateSelectable = 1u << 6,
};

struct AccessibleItem {
    Control* control = nullptr;
    int childId = 0;
    std::string name;
    AccessibleRole role = AccessibleRole::None;
    unsigned states = 0;
    // In the window's device pixels.
    gfx::Rect bounds;
    // "单击" or "双击"; empty when the control does nothing.
    std::string defaultAction;
    // The tip, where the control has one.
    std::string description;
};

// The role of a control: the one the program gave it, or its kind's.
AccessibleRole RoleOf(Control const& control);

// The controls in the tree, in form order: the child with id n is the (n-1)th.
std::vector<Control*> AccessibleControls(Form const& form);
// 0 for a control outside the tree.
int AccessibleChildId(Form const& form, Control const& control);

// The item of a child id; an item with no control for an id that names none.
AccessibleItem DescribeChild(Form const& form, int childId);
AccessibleItem Describe(Form const& form, Control& control, int childId);
std::vector<AccessibleItem> AccessibleTree(Form const& form);

}
