#pragma once
// ZhuJM, the main window: it owns the form with every control, the current colour and one object
// per feature (chrome, tray presence, adjuster, colour lists, screen tools, hotkeys, online
// pages), and keeps the operations other parts of the program call by name as short
// delegations. Portable: the platform shows the form and lends the window, tray and hotkeys.

#include "app/MainWindowControls.h"
#include "choosers/Adjuster.h"
#include "choosers/ColourChart.h"
#include "lists/ColourLists.h"
#include "platform/Browser.h"
#include "platform/Clipboard.h"
#include "platform/CodePage.h"
#include "platform/Hotkeys.h"
#include "platform/Http.h"
#include "platform/PopupMenu.h"
#include "platform/ProfileFiles.h"
#include "platform/Screen.h"
#include "platform/ShellEvents.h"
#include "platform/TextRenderer.h"
#include "platform/Timers.h"
#include "platform/Tray.h"
#include "platform/Window.h"
#include "screen/ScreenTools.h"
#include "shell/GlobalHotkeys.h"
#include "shell/IniStore.h"
#include "shell/OnlinePages.h"
#include "shell/SettingsWriter.h"
#include "shell/TrayPresence.h"
#include "skin/Chrome.h"
#include "skin/SkinDescription.h"
#include "ui/Form.h"

#include <functional>
#include <string>
#include <vector>

namespace app {

struct MainWindowServices {
    platform::TextRenderer& text;
    platform::Clipboard& clipboard;
    platform::ProfileFiles& profiles;
    INIDX& settingsIni;
    std::string programFolder;
    // Shows how far start-up has got, on the splash.
    std::function<void(std::string_view)> showStatus = [](std::string_view) { };
    // Asks a question with OK and Cancel; true for OK.
    std::function<bool(std::string_view)> askOkCancel = [](std::string_view) { return true; };
    // Ends the process at once.
    std::function<void()> endProgram = [] { };
    // The splash goes away just before the main window shows.
    std::function<void()> hideSplash = [] { };
    // What the pick and capture tools work with; without them the tools start nothing.
    screen::ScreenServices const* screenTools = nullptr;
    // A notice with an OK button.
    std::function<void(std::string_view)> showNotice = [](std::string_view) { };
    // The ticker's turn, the maker's pages and their links; without them the ticker shows its
    // fallback entry and the picture box stays hidden.
    platform::Timers* timers = nullptr;
    platform::HttpClient* http = nullptr;
    platform::Browser* browser = nullptr;
    platform::CodePage const* codePage = nullptr;
    // Where the maker's pages are; none: nothing is fetched.
    shell::WebAddresses web {};
};

// What only exists once the form has a window of its own.
struct MainWindowShell {
    platform::Window* window = nullptr;
    platform::Tray* tray = nullptr;
    platform::Hotkeys* hotkeys = nullptr;
    // The monitors the window may be dragged onto.
    platform::Screen* screen = nullptr;
    // The colour box's "copy as" menu; none: the box has no menu.
    platform::PopupMenu* menu = nullptr;
};

using shell::RegistrationSucceeded;

// The skin in use: its folder and what its shizhi.ini says, read once.
struct SkinInUse {
    std::string folder;
    skin::SkinDescription description;
};

class ZhuJM final : public platform::ShellEvents {
public:
    explicit ZhuJM(MainWindowServices services);
    ZhuJM(ZhuJM const&) = delete;
    ZhuJM& operator=(ZhuJM const&) = delete;

    ui::Form& Form() { return m_form; }
    MainWindowControls const& Controls() const { return m_controls; }
    void AttachShell(MainWindowShell shell);

    // Start-up: builds the window while it is hidden, then shows it. False when the user chose
    // to stop at the start-up question.
    bool CSHZJM();
    void LoadUiTexts();
    void LoadSkin();

    // The current colour: the fill of the colour box and the four notation texts. A value that
    // is no colour (a point read outside a picture) changes nothing.
    void SZYS(Colour colour);
    Colour CurrentColour() const { return m_currentColour; }
    // Puts the text of notation box `index` on the clipboard, with or without its "#" or "&H"
    // as the copy-prefix option says. A busy clipboard is given up on quietly.
    void CopyNotation(int index);
    // The colour box's menu of further notations of the current colour, at a point of the window
    // or (nothing) below the box; the entry chosen goes to the clipboard as it was shown.
    void CopyAs(std::optional<gfx::Point> at);

    void DrawAdjusterBox(std::int16_t hue) { m_adjuster.DrawAdjusterBox(hue); }

    // The screen tools: a pick makes the colour under the pointer current and copies the notation
    // the hotkey text names; a capture puts the selected region on the clipboard.
    void StartPick();
    void StartCapture() { m_screenTools.StartCapture(); }

    // The colour lists. Saving puts the current colour in front of the saved colours, as a
    // double-click on the colour box does.
    void AddRecentColour(Colour colour) { m_lists.AddRecentColour(colour); }
    void SaveCurrentColour() { m_lists.AddSavedColour(m_currentColour); }

    // Panels.
    int CurrentPanel() const { return m_chrome.CurrentPanel(); }
    void ShowPanel(int panel, bool visible);
    void SwitchPanel(int from, int to);
    bool DragActive() const { return m_chrome.DragActive(); }

    // Tray.
    void HideToTray() { m_tray.HideToTray(); }
    void RestoreFromTray() { m_tray.RestoreFromTray(); }
    void ToggleTray() { m_tray.ToggleTray(); }
    shell::TrayPresence::Place TrayPlace() const { return m_tray.Where(); }

    // Hotkeys.
    std::string RegisterHotkeys(std::string_view hotkeyText) { return m_hotkeys.RegisterHotkeys(hotkeyText); }
    void ReleaseHotkeys() { m_hotkeys.ReleaseHotkeys(); }
    HotkeyText const& CurrentHotkeyText() const { return m_hotkeys.CurrentHotkeyText(); }
    // The action of hotkey action + 1.
    void KJGN(int action) { m_hotkeys.KJGN(action); }
    shell::GlobalHotkeys& Hotkeys() { return m_hotkeys; }

    // The link text in the bottom strip.
    void TickerStep() { m_online.TickerStep(); }

    // The close button: hotkeys released, the program ended at once.
    void CloseProgram();

    std::string const& SkinFolder() const { return m_skin.folder; }
    std::string const& RecentListText() const { return m_lists.RecentListText(); }
    std::string const& SavedListText() const { return m_lists.SavedListText(); }

    // What the system tells the window.
    void HotkeyPressed(int id, int modifiers, int keyCode) override { m_hotkeys.Pressed(id, { modifiers, keyCode }); }
    void TrayClicked(platform::TrayButton button) override { m_tray.Clicked(button); }
    void TaskbarCreated() override { m_tray.TaskbarCreated(); }
    void CloseRequested() override { CloseProgram(); }

private:
    void ApplySkin();
    void CopyPickedColour();
    void LayOutGrid(skin::SwatchGrid const& grid, ui::SwatchImage* const* swatches, int count);
    skin::Chrome MakeChrome();
    colour::ColourChoice ChoiceFromPicture();
    shell::GlobalHotkeys MakeHotkeys();

    MainWindowServices m_services;
    MainWindowShell m_shell;
    ui::Form m_form;
    MainWindowControls m_controls;
    // Which controls each panel shows, worked out once.
    std::array<std::vector<ui::Control*>, PanelCount> m_panelMembers;
    Colour m_currentColour = PureRed;
    INIDX m_skinIni;
    SkinInUse m_skin;

    skin::Chrome m_chrome;
    shell::TrayPresence m_tray;
    colour::Adjuster m_adjuster;
    colour::ColourChart m_chart;
    // Before the features that write through it.
    shell::SettingsWriter m_settingsWriter;
    lists::ColourLists m_lists;
    screen::ScreenTools m_screenTools;
    shell::GlobalHotkeys m_hotkeys;
    shell::OnlinePages m_online;
};

}
