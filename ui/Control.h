#pragma once
// A control of a form: its place, its visibility and its events. Controls are windowless and
// painted by the form into its back buffer, except the editable ones (text box, check box, combo
// box) and the web browser box, which the platform shows as native children mirrored from the
// model. Positions are in the units of the container: window units (pixels of a 96-DPI screen)
// for controls placed on the form, the user scale of a picture box for controls placed inside one.
// What is drawn and hit lies in device pixels, at the form's scale.

#include "gfx/Geometry.h"
#include "gfx/Painter.h"
#include "platform/TextRenderer.h"
#include "ui/Events.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ui {

class Form;
class PictureBox;

// Whole pixels from a position in pixels; out-of-range values are held at about a billion.
int RoundToPixel(double value);
// The pixel edge nearest to a position in pixels; the same whichever side of 0 it lies.
int NearestPixel(double value);

struct Placement {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    bool operator==(Placement const&) const = default;
};

enum class ControlKind { Label, PictureBox, AlphaImage, SwatchImage, Shape, TextBox, CheckBox, ComboBox, WebBrowser };

// What a control is to assistive technology. None keeps a control out of the accessible tree
// (a frame or a picture that only decorates).
enum class AccessibleRole { None, PushButton, PageTab, CheckBox, EditableText, ComboBox, ListItem, Graphic, StaticText, Link };

// What changed about a control that assistive technology is told of.
enum class AccessibleChange { Name, State };

class Control {
public:
    virtual ~Control() = default;
    Control(Control const&) = delete;
    Control& operator=(Control const&) = delete;

    ControlKind Kind() const { return m_kind; }
    // For messages and tests: the control's name with its index, "YSSR(2)".
    std::string const& Name() const { return m_name; }

    Placement const& Place() const { return m_place; }
    virtual void SetPlace(Placement place);
    void SetPosition(float left, float top);
    void SetTop(float top);
    float Width() const { return m_place.width; }
    float Height() const { return m_place.height; }

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    // Visible itself and inside a visible container.
    bool Shown() const;

    std::string const& Tooltip() const { return m_tooltip; }
    void SetTooltip(std::string text);

    // For assistive technology: a name the program gives (empty: the control's own text), a
    // role other than its kind's, and whether it is the selected one of its kind (a tab).
    std::string const& AccessibleName() const { return m_accessibleName; }
    void SetAccessibleName(std::string name);
    std::optional<AccessibleRole> RoleOverride() const { return m_role; }
    void SetAccessibleRole(AccessibleRole role) { m_role = role; }
    bool Selected() const { return m_selected; }
    void SetSelected(bool selected);
    // Whether acting on it does anything now (an empty swatch does not).
    virtual bool Available() const { return true; }
    // Controls of one nonzero group are one stop of the tab order; arrows move among them.
    int FocusGroup() const { return m_focusGroup; }
    void SetFocusGroup(int group) { m_focusGroup = group; }

    PictureBox* Container() const { return m_container; }
    // The control's rectangle in the window's device pixels.
    virtual gfx::Rect PixelBounds() const;
    // The same at one pixel per unit, as the model sees it.
    gfx::Rect UnitBounds() const;

    // Windowless controls paint here, in device pixels, clipped to their container.
    virtual void Paint(gfx::Painter&, platform::TextRenderer&) { }
    // Native controls are shown by the platform, not painted.
    virtual bool IsNative() const { return false; }
    // Whether the pointer over this control is the control's: a shape lets it through.
    virtual bool TakesPointer() const { return true; }
    // A device-pixel position in the window in the control's own units (units from its corner,
    // or a picture box's scale).
    virtual void ToOwnUnits(gfx::Point windowPixel, float& x, float& y) const;
    // The form's scale changed: whatever was fitted or drawn for the old one is done again.
    virtual void ScaleChanged() { }

    std::function<void(MouseEvent const&)> OnMouseDown;
    std::function<void(MouseEvent const&)> OnMouseMove;
    std::function<void(MouseEvent const&)> OnMouseUp;
    std::function<void()> OnClick;
    std::function<void()> OnDoubleClick;
    std::function<void()> OnEnter;
    std::function<void()> OnLeave;
    // True when the control took the key; a key it leaves goes on to the form and the window.
    std::function<bool(KeyEvent const&)> OnKeyDown;
    // The user changed the value of a native control (text, tick, selection).
    std::function<void()> OnChange;
    // The user asks for the control's context menu: a right button released over it (at that
    // point, in the window's device pixels), or the menu key or Shift+F10 while it has the focus
    // (nothing: the menu goes by the control).
    std::function<void(std::optional<gfx::Point>)> OnContextMenu;

protected:
    Control(ControlKind kind, std::string name);

    // A change to what the control shows: the form repaints, and mirrors native controls.
    void Changed();
    Form* OwningForm() const { return m_form; }
    // The owning form's scale; 1 before the control belongs to a form.
    double Scale() const;
    // Device pixels a line a unit wide takes.
    int LineWidth() const;
    // The name or state assistive technology sees changed.
    void AccessibleChanged(AccessibleChange change);
    // Blends a picture over bounds: as it is at its own size, else the form's resampled copy of
    // `shared` when scaled, else stretched (a skin picture of another size at one pixel a unit).
    void BlendFitted(gfx::Painter& painter, gfx::Rect bounds, gfx::Image const& picture,
        std::shared_ptr<gfx::Image const> const& shared) const;
    // Called once the control belongs to a form.
    virtual void AddedToForm() { }

private:
    friend class Form;

    ControlKind m_kind;
    std::string m_name;
    Placement m_place;
    bool m_visible = true;
    std::string m_tooltip;
    std::string m_accessibleName;
    std::optional<AccessibleRole> m_role;
    bool m_selected = false;
    int m_focusGroup = 0;
    Form* m_form = nullptr;
    PictureBox* m_container = nullptr;
};

}
