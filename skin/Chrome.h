#pragma once
// The main window's own chrome: the five picture buttons (minimise, close, pick, capture, save)
// that show a hover and a pressed picture and start their actions, the four panel tabs, the
// title area that drags the window, and the link text in the bottom strip that lights up under
// the pointer. What the buttons and tabs do beyond their pictures is the window's business.
// The drag moves the window by the pointer's way in window units at the form's scale, and never
// further left or up than the desk's corner, so the window can go onto any monitor but is never
// lost off the virtual screen.

#include "platform/Screen.h"
#include "platform/Window.h"
#include "skin/SkinDescription.h"
#include "ui/AlphaImage.h"
#include "ui/Form.h"
#include "ui/Label.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace skin {

inline constexpr int TabCount = 4;

enum class Look { Normal, Hover, Pressed };

// A button's or tab's three pictures as whole paths, worked out once when the skin is applied.
struct ButtonLook {
    std::string normal;
    std::string hover;
    std::string pressed;

    static ButtonLook In(std::string const& folder, ButtonImages const& images);
    std::string const& For(Look look) const;
};

struct ChromeControls {
    // The form they are on, for its scale.
    ui::Form const& form;
    ui::Control& background;
    ui::Control& title;
    ui::AlphaImage& minimise;
    ui::AlphaImage& close;
    ui::AlphaImage& pick;
    ui::AlphaImage& capture;
    ui::AlphaImage& save;
    std::array<ui::AlphaImage*, TabCount> tabs;
    ui::Label& link;
    ui::Control& linkStrip;
};

struct ChromeActions {
    std::function<void()> minimise;
    std::function<void()> close;
    std::function<void()> pick;
    std::function<void()> capture;
    std::function<void()> save;
    // A tab other than the current one was clicked.
    std::function<void(int from, int to)> switchPanel;
    // A tab's look while no skin gives it pictures.
    std::function<void(int tab, Look look)> drawTab;
};

class Chrome {
public:
    Chrome(ChromeControls controls, ChromeActions actions, float dragWidth, float dragHeight);
    Chrome(Chrome const&) = delete;
    Chrome& operator=(Chrome const&) = delete;

    // The window the title area moves, on the desk of that screen (at 0, 0 without one).
    void AttachWindow(platform::Window* window, platform::Screen* screen)
    {
        m_window = window;
        m_screen = screen;
    }
    // The skin's pictures for every button and tab, and its drag region; each shows its normal look.
    void ApplySkin(std::string const& folder, SkinDescription const& skin);

    int CurrentPanel() const { return m_currentPanel; }
    void SetCurrentPanel(int panel) { m_currentPanel = panel; }
    void ShowTab(int index, Look look);
    bool DragActive() const { return m_dragStart.has_value(); }

private:
    struct Button {
        ui::AlphaImage& control;
        ButtonLook look;
    };

    void WireButton(Button& button, std::function<void()> action);
    void WireTab(int index);
    void WireDrag(ui::Control& control);
    void Show(ui::AlphaImage& control, std::string const& path) const;

    ChromeControls m_controls;
    ChromeActions m_actions;
    platform::Window* m_window = nullptr;
    platform::Screen* m_screen = nullptr;
    Button m_minimise;
    Button m_close;
    Button m_pick;
    Button m_capture;
    Button m_save;
    std::array<ButtonLook, TabCount> m_tabLooks {};
    bool m_skinned = false;
    int m_currentPanel = 0;
    float m_dragWidth;
    float m_dragHeight;
    // Where the press that started a drag was, in the pressed control's units, unrounded: at 200 %
    // and more a unit spans several pixels, and rounding it would make the window jump.
    struct DragStart {
        float x = 0;
        float y = 0;
    };
    std::optional<DragStart> m_dragStart;
    // The virtual screen's top-left corner when the drag started: the window stops there.
    gfx::Point m_deskCorner;
};

}
