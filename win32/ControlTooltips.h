#pragma once
// The system's tooltips for the controls of a form that carry a tooltip text: resting the pointer
// on such a control shows its text beside the pointer, and a text that changes while its tip is up
// changes in the tip. Mirrored from the model like the native children. Internal to
// win32 (includes <windows.h>).

#include "gfx/Geometry.h"
#include "ui/Form.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace platform::win32 {

class ControlTooltips {
public:
    // The tips belong to `window`, whose pointer input they watch.
    ControlTooltips(ui::Form const& form, HWND window);
    ~ControlTooltips();
    ControlTooltips(ControlTooltips const&) = delete;
    ControlTooltips& operator=(ControlTooltips const&) = delete;

    // A tip for every shown control with a text, where the control is now, with its text now.
    void Sync();

private:
    struct Tool {
        UINT_PTR id = 0;
        gfx::Rect bounds;
        std::string source; // the control's text, compared on every paint
        std::wstring text;  // widened only when it changes
    };

    TTTOOLINFOW InfoFor(Tool& tool) const;

    ui::Form const& m_form;
    HWND m_window;
    HWND m_tips = nullptr;
    std::vector<Tool> m_tools;
};

}
