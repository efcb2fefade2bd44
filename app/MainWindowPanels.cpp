// The four panels: which controls each shows, the chrome's buttons and tabs wired to the window's
// operations, and what showing a panel brings up to date.

#include "app/BuiltInPictures.h"
#include "app/MainWindow.h"

namespace app {

std::array<std::vector<ui::Control*>, PanelCount> PanelMembersOf(MainWindowControls const& c)
{
    std::array<std::vector<ui::Control*>, PanelCount> members;
    members[0] = { c.MB1BQ[0], c.MB1BQ[1] };
    members[0].insert(members[0].end(), c.ZJHQYS.begin(), c.ZJHQYS.end());
    members[0].insert(members[0].end(), c.WBCYS.begin(), c.WBCYS.end());
    members[1] = { c.YDYSK, c.TPGGK };
    members[2] = { c.TSBK, c.TSTK, c.TSZZ };
    for (int j = 0; j < 6; ++j) {
        members[3].push_back(c.MB4BQ[j]);
        members[3].push_back(c.MB4DK[j]);
    }
    members[3].insert(members[3].end(), c.MB4SRK.begin(), c.MB4SRK.end());
    members[3].insert(members[3].end(), { c.XQK, c.BCSZAN, c.BeiZhu });
    return members;
}

skin::Chrome ZhuJM::MakeChrome()
{
    MainWindowControls& c = m_controls;
    skin::ChromeControls controls { m_form, *c.bj, *c.BiaoTiLan, *c.ZXHANT, *c.GBANT, *c.QSTBK, *c.JTTBK, *c.BCSZAN,
        { c.Mianban[0], c.Mianban[1], c.Mianban[2], c.Mianban[3] }, *c.DBBT, *c.DBTP };
    skin::ChromeActions actions;
    actions.minimise = [this] { HideToTray(); };
    actions.close = [this] { CloseProgram(); };
    actions.pick = [this] { StartPick(); };
    actions.capture = [this] { StartCapture(); };
    actions.save = [this] {
        if (m_hotkeys.SaveHotkeys())
            SwitchPanel(3, 3);
    };
    actions.switchPanel = [this](int from, int to) { SwitchPanel(from, to); };
    actions.drawTab = [this](int index, skin::Look look) {
        TabLook const drawn = look == skin::Look::Pressed ? TabLook::Selected
            : look == skin::Look::Hover                   ? TabLook::Hover
                                                          : TabLook::Normal;
        m_controls.Mianban[index]->SetBuiltInPicture(BuiltInTabMaker(index, drawn, m_form.Text()));
    };
    // The built-in layout's drag region: the title band left of the two buttons.
    skin::SkinDescription const& builtIn = skin::DefaultSkinDescription();
    return skin::Chrome(controls, std::move(actions), builtIn.dragRegionWidth, builtIn.dragRegionHeight);
}

void ZhuJM::ShowPanel(int panel, bool visible)
{
    if (panel < 0 || panel >= PanelCount)
        return;
    for (ui::Control* control : m_panelMembers[panel])
        control->SetVisible(visible);
    // The web page over the picture shows only once a page has been loaded into it.
    if (panel == 1)
        m_controls.WYK->SetVisible(visible && m_controls.WYK->Tag() == "1");
}

void ZhuJM::SwitchPanel(int from, int to)
{
    // A panel shown again stays shown: hidden for a moment, its chord box would lose the focus
    // that the user left in it when saving.
    if (from != to)
        ShowPanel(from, false);
    m_chrome.ShowTab(to, skin::Look::Pressed);
    for (int n = 0; n < PanelCount; ++n)
        m_controls.Mianban[n]->SetSelected(n == to);
    switch (to) {
    case 0:
        m_lists.ShowColourList(true);
        m_lists.ShowColourList(false);
        break;
    case 2:
        SZYS(m_adjuster.ColourUnderRing());
        break;
    case 3:
        m_hotkeys.FillHotkeyPanel();
        break;
    default:
        break;
    }
    ShowPanel(to, true);
}

}
