// How the window's own chrome answers the pointer: buttons and tabs change their pictures and
// start their actions, panels switch, the title area drags the window, the link text lights up.

#include "app/BuiltInPictures.h"
#include "app/MainWindow.h"
#include "colour/CurrentColour.h"

#include <cmath>

namespace app {

namespace {

std::string const& ImageFor(skin::ButtonImages const& images, bool hover, bool pressed)
{
    return pressed ? images.pressed : hover ? images.hover : images.normal;
}

constexpr auto const& TabCaptions = skin::TabCaptions;

constexpr Colour LinkHoverColour = 255;
constexpr Colour LinkColour = 0;

}

void ZhuJM::WireEvents()
{
    MainWindowControls& c = m_controls;
    for (int index = 0; index < NotationCount; ++index)
        c.YSSR[index]->OnDoubleClick = [this, index] { CopyNotation(index); };

    WireButton(m_minimise, [this] { HideToTray(); });
    WireButton(m_close, [this] { CloseProgram(); });
    WireButton(m_pick, [this] {
        ShowImage(*m_pick.control, m_pick.images.normal);
        StartPick();
    });
    WireButton(m_capture, [this] {
        ShowImage(*m_capture.control, m_capture.images.normal);
        StartCapture();
    });
    WireButton(m_save, [this] {
        ShowImage(*m_save.control, m_save.images.pressed);
        if (SaveHotkeys())
            SwitchPanel(3, 3);
    });
    for (int n = 0; n < PanelCount; ++n)
        WireTab(n);
    WireDrag(*c.bj);
    WireDrag(*c.BiaoTiLan);

    c.DBBT->OnMouseMove = [this](ui::MouseEvent const&) { m_controls.DBBT->SetForeColour(LinkHoverColour); };
    c.DBTP->OnEnter = [this] { m_controls.DBBT->SetForeColour(LinkColour); };
}

void ZhuJM::WireButton(SkinButton& button, std::function<void()> action)
{
    button.control->OnEnter = [this, &button] { ShowImage(*button.control, button.images.hover); };
    button.control->OnLeave = [this, &button] { ShowImage(*button.control, button.images.normal); };
    button.control->OnClick = std::move(action);
}

void ZhuJM::ShowTab(int index, Look look)
{
    ui::AlphaImage& tab = *m_controls.Mianban[index];
    if (m_skinLoaded) {
        ShowImage(tab, ImageFor(m_tabImages[index], look == Look::Hover, look == Look::Pressed));
        return;
    }
    gfx::Size const size { tab.PixelBounds().width, tab.PixelBounds().height };
    TabLook drawn = TabLook::Normal;
    if (look == Look::Pressed)
        drawn = TabLook::Selected;
    else if (look == Look::Hover)
        drawn = TabLook::Hover;
    tab.SetBuiltInPicture(BuiltInTab(size, TabCaptions[index], drawn, m_form.Text()));
}

void ZhuJM::WireTab(int index)
{
    ui::AlphaImage& tab = *m_controls.Mianban[index];
    tab.OnClick = [this, index] {
        if (index == m_currentPanel)
            return;
        ShowTab(index, Look::Pressed);
        int const previous = m_currentPanel;
        ShowTab(previous, Look::Normal);
        SwitchPanel(previous, index);
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

void ZhuJM::WireDrag(ui::Control& control)
{
    control.OnMouseDown = [this, &control](ui::MouseEvent const& e) {
        gfx::Rect const bounds = control.PixelBounds();
        float const windowX = static_cast<float>(bounds.x) + e.x;
        float const windowY = static_cast<float>(bounds.y) + e.y;
        if (!(windowX < m_dragRegionWidth && windowY < m_dragRegionHeight))
            return;
        m_dragActive = e.button == ui::LeftButton;
        if (m_dragActive) {
            m_dragStartX = static_cast<int>(std::nearbyint(e.x));
            m_dragStartY = static_cast<int>(std::nearbyint(e.y));
        }
    };
    control.OnMouseMove = [this, &control](ui::MouseEvent const& e) {
        if (&control == m_controls.bj && m_controls.DBBT->ForeColour() == LinkHoverColour)
            m_controls.DBBT->SetForeColour(LinkColour);
        if (!m_dragActive || !m_shell.window)
            return;
        gfx::Point position = m_shell.window->Position();
        position.x += static_cast<int>(std::nearbyint(e.x)) - m_dragStartX;
        position.y += static_cast<int>(std::nearbyint(e.y)) - m_dragStartY;
        position.x = std::max(position.x, 0);
        position.y = std::max(position.y, 0);
        m_shell.window->MoveTo(position);
    };
    control.OnMouseUp = [this](ui::MouseEvent const&) { m_dragActive = false; };
}

void ZhuJM::ShowPanel(int panel, bool visible)
{
    MainWindowControls& c = m_controls;
    switch (panel) {
    case 0:
        for (ui::Control* control : { static_cast<ui::Control*>(c.MB1BQ[0]), static_cast<ui::Control*>(c.MB1BQ[1]) })
            control->SetVisible(visible);
        for (auto* swatch : c.ZJHQYS)
            swatch->SetVisible(visible);
        for (auto* swatch : c.WBCYS)
            swatch->SetVisible(visible);
        break;
    case 1:
        c.YDYSK->SetVisible(visible);
        c.TPGGK->SetVisible(visible);
        c.WYK->SetVisible(visible && c.WYK->Tag() == "1");
        break;
    case 2:
        c.TSBK->SetVisible(visible);
        c.TSTK->SetVisible(visible);
        c.TSZZ->SetVisible(visible);
        break;
    case 3:
        for (int j = 0; j < 6; ++j) {
            c.MB4BQ[j]->SetVisible(visible);
            c.MB4DK[j]->SetVisible(visible);
        }
        for (auto* input : c.MB4SRK)
            input->SetVisible(visible);
        c.XQK->SetVisible(visible);
        c.BCSZAN->SetVisible(visible);
        c.BeiZhu->SetVisible(visible);
        break;
    default:
        break;
    }
}

void ZhuJM::SwitchPanel(int from, int to)
{
    ShowPanel(from, false);
    if (to >= 0 && to < PanelCount)
        ShowTab(to, Look::Pressed);
    switch (to) {
    case 0:
        ShowColourList(true);
        ShowColourList(false);
        break;
    case 2: {
        ui::Placement const pointer = m_controls.TSYQ->Place();
        SZYS(m_controls.TSBK->PointColour(pointer.left + 2, pointer.top - 2));
        break;
    }
    case 3:
        FillHotkeyPanel();
        break;
    default:
        break;
    }
    ShowPanel(to, true);
}

void ZhuJM::HideToTray()
{
    if (m_shell.tray)
        m_shell.tray->AddIcon(m_controls.BiaoTiLan->Text());
    m_visibilityMarker = "0";
    if (m_shell.window)
        m_shell.window->Hide();
}

void ZhuJM::RestoreFromTray()
{
    if (m_shell.tray)
        m_shell.tray->RemoveIcon();
    m_visibilityMarker = "1";
    if (m_shell.window)
        m_shell.window->Show();
}

void ZhuJM::ToggleTray()
{
    if (m_visibilityMarker == "1")
        HideToTray();
    else
        RestoreFromTray();
}

void ZhuJM::TrayCallback(int mouseMessage)
{
    if (mouseMessage == platform::TrayLeftButtonUp || mouseMessage == platform::TrayRightButtonUp)
        RestoreFromTray();
}

}
