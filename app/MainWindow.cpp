#include "app/MainWindow.h"

#include "colour/CopyAsNotations.h"
#include "colour/CurrentColour.h"

namespace app {

ZhuJM::ZhuJM(MainWindowServices services)
    : m_services(std::move(services))
    , m_form(m_services.text)
    , m_controls(BuildMainWindow(m_form))
    , m_panelMembers(PanelMembersOf(m_controls))
    , m_skinIni(m_services.profiles)
    , m_chrome(MakeChrome())
    , m_tray([this] { return m_controls.BiaoTiLan->Text(); })
    , m_adjuster(*m_controls.TSBK, *m_controls.TSTK, *m_controls.TSZZ, *m_controls.TSYQ, ChoiceFromPicture())
    , m_chart(*m_controls.YDYSK, ChoiceFromPicture())
    , m_settingsWriter(m_services.settingsIni, [this](std::string_view text) { m_services.showNotice(text); })
    , m_lists(m_settingsWriter, m_controls.ZJHQYS, m_controls.WBCYS, [this](Colour colour) { SZYS(colour); })
    , m_hotkeys(MakeHotkeys())
    , m_online(*m_controls.DBBT, *m_controls.WYK, [this] {
        // Panel 1 showing: its picture box comes or goes with the answer.
        if (m_controls.TPGGK->Visible())
            ShowPanel(1, true);
    })
{
    m_online.Attach({ m_services.web, m_services.http, m_services.timers, m_services.browser, m_services.codePage });
    m_controls.DBBT->OnClick = [this] { m_online.OpenShownLink(); };
    m_form.SetCaption("取色器");
    m_screenTools.Attach(m_services.screenTools);
    for (int index = 0; index < NotationCount; ++index)
        m_controls.YSSR[index]->OnDoubleClick = [this, index] { CopyNotation(index); };
    m_controls.YSK->OnDoubleClick = [this] { SaveCurrentColour(); };
    m_controls.YSK->OnContextMenu = [this](std::optional<gfx::Point> at) { CopyAs(at); };
    DescribeControls(m_controls);
    SZYS(PureRed);
}

colour::ColourChoice ZhuJM::ChoiceFromPicture()
{
    return { [this](Colour colour) { SZYS(colour); }, [this](Colour colour) { AddRecentColour(colour); } };
}

void ZhuJM::AttachShell(MainWindowShell shell)
{
    m_shell = shell;
    m_chrome.AttachWindow(shell.window, shell.screen);
    m_tray.Attach(shell.window, shell.tray);
    m_hotkeys.Attach(shell.hotkeys, m_services.timers);
}

void ZhuJM::SZYS(Colour colour)
{
    auto const texts = NotationTextsOf(colour);
    if (!texts)
        return;
    m_currentColour = colour;
    m_controls.YSK->SetBackColour(colour);
    for (int index = 0; index < NotationCount; ++index)
        m_controls.YSSR[index]->SetText((*texts)[index]);
    // A screen reader announces the colour box's new name after a pick.
    std::string const& caption = m_controls.YSBQ[WebNotation]->Text();
    m_controls.YSK->SetAccessibleName(caption.empty() ? (*texts)[WebNotation] : caption + " " + (*texts)[WebNotation]);
}

void ZhuJM::CopyNotation(int index)
{
    if (index < 0 || index >= NotationCount)
        return;
    m_services.clipboard.SetText(
        CopiedNotationText(index, m_controls.YSSR[index]->Text(), m_controls.DXAnNiu->Checked()));
}

void ZhuJM::CopyAs(std::optional<gfx::Point> at)
{
    if (!m_shell.menu)
        return;
    // The texts are fixed when the menu opens: a hotkey pick while it is open does not change
    // what an entry copies.
    std::vector<std::string> const texts = GG::CopyAsTexts(m_currentColour);
    gfx::Rect const box = m_controls.YSK->PixelBounds();
    auto const chosen = m_shell.menu->Choose(texts, at.value_or(gfx::Point { box.x, box.y + box.height }));
    if (chosen && *chosen >= 0 && *chosen < static_cast<int>(texts.size()))
        m_services.clipboard.SetText(texts[static_cast<size_t>(*chosen)]);
}

void ZhuJM::StartPick()
{
    auto const colour = m_screenTools.StartPick();
    if (!colour)
        return;
    SZYS(*colour);
    CopyPickedColour();
}

void ZhuJM::CopyPickedColour()
{
    // Without a sound notation number nothing is copied: the clipboard is left empty.
    std::string text;
    if (auto const index = CurrentHotkeyText().CopyNotationIndex())
        text = CopiedNotationText(*index, m_controls.YSSR[*index]->Text(), m_controls.DXAnNiu->Checked());
    m_services.clipboard.SetText(text);
}

bool ZhuJM::CSHZJM()
{
    if (m_shell.window)
        m_shell.window->Hide();
    LoadUiTexts();
    LoadSkin();
    SwitchPanel(0, 0);
    m_chrome.SetCurrentPanel(0);
    m_form.SetBackColour(TransparentKeyColour);
    m_hotkeys.ReadAtStartUp();
    m_services.showStatus("注册软件快捷键...");
    if (RegisterHotkeys(CurrentHotkeyText().Text()) != RegistrationSucceeded
        && !m_services.askOkCancel("热键设置失败,是否继续程序（热键不能使用）"))
        return false;
    m_online.TickerStep();
    m_online.CheckPicturePage();
    m_services.hideSplash();
    if (m_shell.window)
        m_shell.window->Show();
    return true;
}

shell::GlobalHotkeys ZhuJM::MakeHotkeys()
{
    MainWindowControls& c = m_controls;
    shell::HotkeyPanel panel;
    panel.chordBoxes = c.MB4SRK;
    panel.notation = c.XQK;
    for (int n = 0; n < NotationCount; ++n)
        panel.notationCaptions[static_cast<size_t>(n)] = c.YSBQ[static_cast<size_t>(n)];
    shell::HotkeyActions actions;
    actions.toggleWindow = [this] { ToggleTray(); };
    actions.pick = [this] { StartPick(); };
    actions.saveColour = [this] { SaveCurrentColour(); };
    actions.flipCopyPrefix = [this] { m_controls.DXAnNiu->SetChecked(!m_controls.DXAnNiu->Checked()); };
    actions.capture = [this] { StartCapture(); };
    return shell::GlobalHotkeys(m_settingsWriter, panel, std::move(actions),
        [this](std::string_view text) { m_services.showNotice(text); });
}

void ZhuJM::CloseProgram()
{
    ReleaseHotkeys();
    m_services.endProgram();
}

}
