#include "app/MainWindow.h"

#include "colour/CurrentColour.h"

namespace app {

ZhuJM::ZhuJM(MainWindowServices services)
    : m_services(std::move(services))
    , m_form(m_services.text)
    , m_controls(BuildMainWindow(m_form))
    , m_skinIni(m_services.profiles)
{
    m_form.SetCaption("取色器");
    // The built-in layout's drag region: the title band left of the two buttons.
    m_dragRegionWidth = skin::DefaultSkinDescription().dragRegionWidth;
    m_dragRegionHeight = skin::DefaultSkinDescription().dragRegionHeight;
    m_minimise.control = m_controls.ZXHANT;
    m_close.control = m_controls.GBANT;
    m_pick.control = m_controls.QSTBK;
    m_capture.control = m_controls.JTTBK;
    m_save.control = m_controls.BCSZAN;
    WireEvents();
    SZYS(PureRed);
}

void ZhuJM::SZYS(Colour colour)
{
    auto const texts = NotationTextsOf(colour);
    if (!texts)
        return;
    m_controls.YSK->SetBackColour(colour);
    for (int index = 0; index < NotationCount; ++index)
        m_controls.YSSR[index]->SetText((*texts)[index]);
}

Colour ZhuJM::CurrentColour() const { return m_controls.YSK->BackColour(); }

void ZhuJM::CopyNotation(int index)
{
    if (index < 0 || index >= NotationCount)
        return;
    m_services.clipboard.SetText(
        CopiedNotationText(index, m_controls.YSSR[index]->Text(), m_controls.DXAnNiu->Checked()));
}

bool ZhuJM::CSHZJM()
{
    if (m_shell.window)
        m_shell.window->Hide();
    LoadUiTexts();
    LoadSkin();
    SwitchPanel(0, 0);
    m_currentPanel = 0;
    m_form.SetBackColour(TransparentKeyColour);
    m_hotkeyText = ReadHotkeyText(m_services.settingsIni);
    m_services.showStatus("注册软件快捷键...");
    if (RegisterHotkeys(m_hotkeyText.Text()) != RegistrationSucceeded
        && !m_services.askOkCancel("热键设置失败,是否继续程序（热键不能使用）"))
        return false;
    m_services.hideSplash();
    if (m_shell.window)
        m_shell.window->Show();
    return true;
}

std::string ZhuJM::RegisterHotkeys(std::string_view hotkeyText)
{
    // FIXME: The chords are registered and dispatched once the hotkey panel exists; until then
    // the program holds no system-wide key.
    (void)hotkeyText;
    return std::string(RegistrationSucceeded);
}

void ZhuJM::ReleaseHotkeys()
{
    if (!m_shell.hotkeys)
        return;
    for (int id = 1; id <= HotkeyCount; ++id)
        m_shell.hotkeys->Unregister(id);
}

void ZhuJM::CloseProgram()
{
    ReleaseHotkeys();
    m_services.endProgram();
}

}
