#include "skin/Chrome.h"

#include <algorithm>
#include <cmath>

namespace skin {

namespace {

constexpr Colour LinkHoverColour = 255;
constexpr Colour LinkColour = 0;

}

ButtonLook ButtonLook::In(std::string const& folder, ButtonImages const& images)
{
    return { folder + images.normal, folder + images.hover, folder + images.pressed };
}

std::string const& ButtonLook::For(Look look) const
{
    switch (look) {
    case Look::Hover:
        return hover;
    case Look::Pressed:
        return pressed;
    case Look::Normal:
        break;
    }
    return normal;
}

Chrome::Chrome(ChromeControls controls, ChromeActions actions, float dragWidth, float dragHeight)
    : m_controls(controls)
    , m_actions(std::move(actions))
    , m_minimise { controls.minimise, {} }
    , m_close { controls.close, {} }
    , m_pick { controls.pick, {} }
    , m_capture { controls.capture, {} }
    , m_save { controls.save, {} }
    , m_dragWidth(dragWidth)
    , m_dragHeight(dragHeight)
{
    WireButton(m_minimise, [this] { m_actions.minimise(); });
    WireButton(m_close, [this] { m_actions.close(); });
    WireButton(m_pick, [this] {
        Show(m_pick.control, m_pick.look.normal);
        m_actions.pick();
    });
    WireButton(m_capture, [this] {
        Show(m_capture.control, m_capture.look.normal);
        m_actions.capture();
    });
    WireButton(m_save, [this] {
        Show(m_save.control, m_save.look.pressed);
        m_actions.save();
    });
    for (int n = 0; n < TabCount; ++n)
        WireTab(n);
    WireDrag(m_controls.background);
    WireDrag(m_controls.title);

    m_controls.link.OnMouseMove = [this](ui::MouseEvent const&) { m_controls.link.SetForeColour(LinkHoverColour); };
    m_controls.linkStrip.OnEnter = [this] { m_controls.link.SetForeColour(LinkColour); };
}

void Chrome::ApplySkin(std::string const& folder, SkinDescription const& skin)
{
    m_skinned = true;
    m_dragWidth = skin.dragRegionWidth;
    m_dragHeight = skin.dragRegionHeight;
    for (auto [button, description] : { std::pair { &m_minimise, &skin.minimise }, std::pair { &m_close, &skin.close },
             std::pair { &m_pick, &skin.pick }, std::pair { &m_capture, &skin.capture },
             std::pair { &m_save, &skin.save } }) {
        button->look = ButtonLook::In(folder, description->images);
        Show(button->control, button->look.normal);
    }
    for (int n = 0; n < TabCount; ++n) {
        m_tabLooks[n] = ButtonLook::In(folder, skin.tabs[n].images);
        Show(*m_controls.tabs[n], m_tabLooks[n].normal);
    }
}

void Chrome::Show(ui::AlphaImage& control, std::string const& path) const
{
    if (m_skinned)
        control.SetImageFile(path);
}

void Chrome::WireButton(Button& button, std::function<void()> action)
{
    button.control.OnEnter = [this, &button] { Show(button.control, button.look.hover); };
    button.control.OnLeave = [this, &button] { Show(button.control, button.look.normal); };
    button.control.OnClick = std::move(action);
}

void Chrome::ShowTab(int index, Look look)
{
    if (index < 0 || index >= TabCount)
        return;
    if (m_skinned)
        m_controls.tabs[index]->SetImageFile(m_tabLooks[index].For(look));
    else if (m_actions.drawTab)
        m_actions.drawTab(index, look);
}

void Chrome::WireTab(int index)
{
    ui::AlphaImage& tab = *m_controls.tabs[index];
    tab.OnClick = [this, index] {
        if (index == m_currentPanel)
            return;
        ShowTab(index, Look::Pressed);
        int const previous = m_currentPanel;
        ShowTab(previous, Look::Normal);
        m_actions.switchPanel(previous, index);
        m_currentPanel = index;
    };
    tab.OnEnter = [this, index] {
        if (index != m_currentPanel)
            ShowTab(index, Look::Hover);
    };
    tab.OnLeave = [this, index] {
        if (index != m_currentPanel)
            ShowTab(index, Look::Normal);
    };
}

void Chrome::WireDrag(ui::Control& control)
{
    control.OnMouseDown = [this, &control](ui::MouseEvent const& e) {
        // The press in window units: the control's corner in device pixels, plus its own units.
        double const scale = m_controls.form.Scale();
        gfx::Rect const bounds = control.PixelBounds();
        double const windowX = bounds.x / scale + e.x;
        double const windowY = bounds.y / scale + e.y;
        if (!(windowX < m_dragWidth && windowY < m_dragHeight))
            return;
        if (e.button == ui::LeftButton) {
            m_dragStart = DragStart { e.x, e.y };
            m_deskCorner = m_screen ? m_screen->Layout().bounds.Location() : gfx::Point {};
        } else {
            m_dragStart.reset();
        }
    };
    control.OnMouseMove = [this, &control](ui::MouseEvent const& e) {
        if (&control == &m_controls.background && m_controls.link.ForeColour() == LinkHoverColour)
            m_controls.link.SetForeColour(LinkColour);
        if (!m_dragStart || !m_window)
            return;
        // The way in units, as the screen's pixels at the form's scale.
        double const scale = m_controls.form.Scale();
        gfx::Point position = m_window->Position();
        position.x = gfx::SaturatedInt(position.x + std::llround((double { e.x } - m_dragStart->x) * scale));
        position.y = gfx::SaturatedInt(position.y + std::llround((double { e.y } - m_dragStart->y) * scale));
        m_window->MoveTo({ std::max(position.x, m_deskCorner.x), std::max(position.y, m_deskCorner.y) });
    };
    control.OnMouseUp = [this](ui::MouseEvent const&) { m_dragStart.reset(); };
}

}
