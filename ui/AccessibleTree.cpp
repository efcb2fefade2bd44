#include "ui/AccessibleTree.h"

#include "ui/FocusOrder.h"
#include "ui/Label.h"
#include "ui/NativeControls.h"

namespace ui {

namespace {

// A native input is named by the label placed just before it, as a system dialog names an edit
// by the static text before it.
std::string LabelBefore(Form const& form, Control const& control)
{
    Label const* label = nullptr;
    for (auto const& other : form.Controls()) {
        if (other.get() == &control)
            break;
        if (other->Kind() == ControlKind::Label && other->Container() == control.Container())
            label = static_cast<Label const*>(other.get());
        // An input in between has taken that label.
        if (other->IsNative() && other->Kind() != ControlKind::WebBrowser)
            label = nullptr;
    }
    return label ? label->Text() : std::string {};
}

std::string OwnName(Form const& form, Control const& control)
{
    if (!control.AccessibleName().empty())
        return control.AccessibleName();
    switch (control.Kind()) {
    case ControlKind::Label:
        return static_cast<Label const&>(control).Text();
    case ControlKind::CheckBox:
        return static_cast<CheckBox const&>(control).Caption();
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
        return LabelBefore(form, control);
    default:
        return control.Tooltip();
    }
}

}

AccessibleRole RoleOf(Control const& control)
{
    if (auto const role = control.RoleOverride())
        return *role;
    bool const acts = control.OnClick || control.OnDoubleClick;
    switch (control.Kind()) {
    case ControlKind::Label:
        return control.OnClick ? AccessibleRole::Link : AccessibleRole::StaticText;
    case ControlKind::PictureBox:
        return AccessibleRole::Graphic;
    case ControlKind::AlphaImage:
        return acts ? AccessibleRole::PushButton
            : control.AccessibleName().empty() ? AccessibleRole::None
                                               : AccessibleRole::Graphic;
    case ControlKind::SwatchImage:
        return AccessibleRole::ListItem;
    case ControlKind::TextBox:
        return AccessibleRole::EditableText;
    case ControlKind::CheckBox:
        return AccessibleRole::CheckBox;
    case ControlKind::ComboBox:
        return AccessibleRole::ComboBox;
    case ControlKind::Shape:
    case ControlKind::WebBrowser:
        break;
    }
    return AccessibleRole::None;
}

std::vector<Control*> AccessibleControls(Form const& form)
{
    std::vector<Control*> controls;
    for (auto const& control : form.Controls()) {
        if (RoleOf(*control) != AccessibleRole::None)
            controls.push_back(control.get());
    }
    return controls;
}

int AccessibleChildId(Form const& form, Control const& control)
{
    int id = 0;
    for (auto const& other : form.Controls()) {
        if (RoleOf(*other) == AccessibleRole::None)
            continue;
        ++id;
        if (other.get() == &control)
            return id;
    }
    return 0;
}

AccessibleItem Describe(Form const& form, Control& control, int childId)
{
    AccessibleItem item;
    item.control = &control;
    item.childId = childId;
    item.name = OwnName(form, control);
    item.role = RoleOf(control);
    item.bounds = control.PixelBounds();
    item.description = control.Tooltip();
    if (control.OnClick)
        item.defaultAction = "单击";
    else if (control.OnDoubleClick)
        item.defaultAction = "双击";

    unsigned states = 0;
    if (!control.Shown())
        states |= StateInvisible;
    if (TakesFocus(control))
        states |= StateFocusable;
    if (form.Focused() == &control)
        states |= StateFocused;
    if (!control.Available())
        states |= StateUnavailable;
    if (item.role == AccessibleRole::PageTab || item.role == AccessibleRole::ListItem)
        states |= StateSelectable;
    if (control.Selected())
        states |= StateSelected;
    if (control.Kind() == ControlKind::CheckBox && static_cast<CheckBox const&>(control).Checked())
        states |= StateChecked;
    item.states = states;
    return item;
}

AccessibleItem DescribeChild(Form const& form, int childId)
{
    // Asked once a property by screen readers: counted up to the child, with no list made.
    if (childId < 1)
        return {};
    int id = 0;
    for (auto const& control : form.Controls()) {
        if (RoleOf(*control) != AccessibleRole::None && ++id == childId)
            return Describe(form, *control, childId);
    }
    return {};
}

std::vector<AccessibleItem> AccessibleTree(Form const& form)
{
    std::vector<AccessibleItem> items;
    int id = 0;
    for (Control* control : AccessibleControls(form))
        items.push_back(Describe(form, *control, ++id));
    return items;
}

}
