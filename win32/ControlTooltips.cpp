#include "win32/ControlTooltips.h"

#include "win32/Unicode.h"

#include <commctrl.h>

#include <algorithm>

namespace platform::win32 {

ControlTooltips::ControlTooltips(ui::Form const& form, HWND window)
    : m_form(form)
    , m_window(window)
{
    INITCOMMONCONTROLSEX classes { sizeof classes, ICC_BAR_CLASSES };
    InitCommonControlsEx(&classes);
    // Owned by the window, so it stays above it and goes with it; shown also while the window
    // is not the active one.
    m_tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, GetModuleHandleW(nullptr), nullptr);
}

ControlTooltips::~ControlTooltips()
{
    // Gone already when the window went first: an owner takes its owned windows with it.
    if (m_tips && IsWindow(m_tips))
        DestroyWindow(m_tips);
}

TTTOOLINFOW ControlTooltips::InfoFor(Tool& tool) const
{
    TTTOOLINFOW info {};
    // The size every version of the common controls knows.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    // The tooltip watches the window's pointer messages itself.
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = m_window;
    info.uId = tool.id;
    info.rect = { tool.bounds.x, tool.bounds.y, tool.bounds.Right(), tool.bounds.Bottom() };
    info.lpszText = tool.text.data();
    return info;
}

void ControlTooltips::Sync()
{
    if (!m_tips)
        return;
    auto const& controls = m_form.Controls();
    for (size_t index = 0; index < controls.size(); ++index) {
        ui::Control const& control = *controls[index];
        auto const id = static_cast<UINT_PTR>(index);
        auto const found = std::find_if(m_tools.begin(), m_tools.end(), [id](Tool const& tool) { return tool.id == id; });
        if (!control.Shown() || control.Tooltip().empty()) {
            if (found != m_tools.end()) {
                TTTOOLINFOW info = InfoFor(*found);
                SendMessageW(m_tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
                m_tools.erase(found);
            }
            continue;
        }
        std::string_view const tip = control.Tooltip();
        gfx::Rect const bounds = control.PixelBounds();
        if (found == m_tools.end()) {
            Tool wanted { id, bounds, std::string(tip), Widen(tip) };
            TTTOOLINFOW info = InfoFor(wanted);
            if (SendMessageW(m_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)))
                m_tools.push_back(std::move(wanted));
            continue;
        }
        if (found->bounds != bounds) {
            found->bounds = bounds;
            TTTOOLINFOW info = InfoFor(*found);
            SendMessageW(m_tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
        }
        if (found->source != tip) {
            found->source = std::string(tip);
            found->text = Widen(tip);
            TTTOOLINFOW info = InfoFor(*found);
            SendMessageW(m_tips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
        }
    }
}

}
