#pragma once
// ZhuJM, the main window: it owns the form with every control, the current colour, the skin's
// records and the operations other parts of the program call by name. Portable: the platform
// shows the form and lends the window, tray and hotkey services once they exist.

#include "app/MainWindowControls.h"
#include "platform/Clipboard.h"
#include "platform/Hotkeys.h"
#include "platform/ProfileFiles.h"
#include "platform/TextRenderer.h"
#include "platform/Tray.h"
#include "platform/Window.h"
#include "shell/HotkeyText.h"
#include "shell/IniStore.h"
#include "skin/SkinDescription.h"
#include "ui/Form.h"

#include <functional>
#include <string>

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
};

// What only exists once the form has a window of its own.
struct MainWindowShell {
    platform::Window* window = nullptr;
    platform::Tray* tray = nullptr;
    platform::Hotkeys* hotkeys = nullptr;
};

inline constexpr std::string_view RegistrationSucceeded = "设置成功";

class ZhuJM {
public:
    explicit ZhuJM(MainWindowServices services);
    ZhuJM(ZhuJM const&) = delete;
    ZhuJM& operator=(ZhuJM const&) = delete;

    ui::Form& Form() { return m_form; }
    MainWindowControls const& Controls() const { return m_controls; }
    void AttachShell(MainWindowShell shell) { m_shell = shell; }

    // Start-up: builds the window while it is hidden, then shows it. False when the user chose
    // to stop at the start-up question.
    bool CSHZJM();
    void LoadUiTexts();
    void LoadSkin();

    // The current colour: the fill of the colour box and the four notation texts. A value that
    // is no colour (a point read outside a picture) changes nothing.
    void SZYS(Colour colour);
    Colour CurrentColour() const;
    // Puts the text of notation box `index` on the clipboard, with or without its "#" or "&H"
    // as the copy-prefix option says. A busy clipboard is given up on quietly.
    void CopyNotation(int index);

    // The adjuster box drawn for a hue, and the hue-strip pointer moved beside it.
    void DrawAdjusterBox(std::int16_t hue);

    // Panels and chrome.
    int CurrentPanel() const { return m_currentPanel; }
    void ShowPanel(int panel, bool visible);
    void SwitchPanel(int from, int to);
    bool DragActive() const { return m_dragActive; }

    // Tray.
    void HideToTray();
    void RestoreFromTray();
    void ToggleTray();
    void TrayCallback(int mouseMessage);
    std::string const& VisibilityMarker() const { return m_visibilityMarker; }

    // Hotkeys.
    std::string RegisterHotkeys(std::string_view hotkeyText);
    void ReleaseHotkeys();
    HotkeyText const& CurrentHotkeyText() const { return m_hotkeyText; }

    // The close button: hotkeys released, the program ended at once.
    void CloseProgram();

    std::string const& SkinFolder() const { return m_skinFolder; }
    std::string const& RecentListText() const { return m_recentListText; }
    std::string const& SavedListText() const { return m_savedListText; }

private:
    struct SkinButton {
        ui::AlphaImage* control;
        skin::ButtonImages images;
    };

    void WireEvents();
    void WireButton(SkinButton& button, std::function<void()> action);
    void WireTab(int index);
    enum class Look { Normal, Hover, Pressed };
    // A tab's picture for a look: the skin's, or a drawn one while no skin is loaded.
    void ShowTab(int index, Look look);
    void WireDrag(ui::Control& control);
    void ShowImage(ui::AlphaImage& control, std::string const& name);
    void ApplySkin(skin::SkinDescription const& skin);
    void LayOutGrid(skin::SwatchGrid const& grid, ui::SwatchImage* const* swatches, int count);
    void PaintHueStrip();

    // What later parts of the program fill in; the window calls them by name already.
    void StartPick() { }
    void StartCapture() { }
    bool SaveHotkeys() { return false; }
    void FillHotkeyPanel() { }
    void ShowColourList(bool) { }

    MainWindowServices m_services;
    MainWindowShell m_shell;
    ui::Form m_form;
    MainWindowControls m_controls;
    INIDX m_skinIni;
    std::string m_skinFolder;
    std::string m_recentListText;
    std::string m_savedListText;
    HotkeyText m_hotkeyText;

    SkinButton m_minimise {};
    SkinButton m_close {};
    SkinButton m_pick {};
    SkinButton m_capture {};
    SkinButton m_save {};
    std::array<skin::ButtonImages, PanelCount> m_tabImages {};
    bool m_skinLoaded = false;

    int m_currentPanel = 0;
    bool m_dragActive = false;
    int m_dragStartX = 0;
    int m_dragStartY = 0;
    float m_dragRegionWidth = 0;
    float m_dragRegionHeight = 0;
    std::string m_visibilityMarker;
};

}
