#pragma once
// The native child windows of a form window: an EDIT for every text box, a BUTTON for the check
// box, a COMBOBOX for the combo box, a WebPageBox for a web browser box, and the tooltips of the
// controls that carry one. The model holds their state; this mirrors it into the children and
// reports what the user does back to the model. The children are skinned: edits and check boxes
// paint the form's own back buffer behind their text, through a pattern brush.
// Internal to win32 (includes <windows.h>).

#include "gfx/Image.h"
#include "platform/Browser.h"
#include "win32/Handles.h"
#include "ui/Form.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::win32 {

class ChildNames;
class ControlTooltips;
class Win32TextRenderer;

class NativeChildren {
public:
    NativeChildren(ui::Form& form, Win32TextRenderer& fonts);
    ~NativeChildren();
    NativeChildren(NativeChildren const&) = delete;
    NativeChildren& operator=(NativeChildren const&) = delete;

    // Makes a child of parent for every native control of the form, the last added on top, and
    // brings each up to date. The children belong to the parent window and go with it.
    void Create(HWND parent);
    // The parent window is gone, and the children with it.
    void Forget();

    // Where a link the user follows in a web page goes; nowhere without one.
    void SetLinkOpener(platform::Browser* browser) { m_links = browser; }
    // Who names the edits and the combo box for assistive technology after their labels; the
    // system's service when none is given before Create.
    void SetChildNames(ChildNames* names) { m_names = names; }

    // Mirrors everything about one control into its child. A web page box gets its window here
    // when first shown with a web address, never before: the browser engine loads only then.
    void Sync(ui::Control const& control);
    // Place and visibility of every child, and the tooltips: a container's move or hide changes
    // them without a word to the control itself.
    void SyncLayout();

    // WM_COMMAND from a child with its notification code; false when the child is not ours.
    bool Command(HWND child, int code);
    // WM_CTLCOLOREDIT and WM_CTLCOLORSTATIC: the brush to paint the child's background with,
    // prepared in the child's DC; null when the child is not ours or nothing is painted yet.
    HBRUSH BackgroundFor(HWND child, HDC dc) const;
    // The back buffer was painted anew: it becomes the children's background, and children with
    // a new picture behind them are redrawn.
    void SetBackground(gfx::Image const& backBuffer);

    HWND WindowOf(ui::Control const& control) const;

private:
    struct Child;
    struct Background;
    class EchoGuard;

    Child* Find(HWND window) const;
    Child* Find(ui::Control const& control) const;
    void Make(Child& child, HWND parent);
    void SyncState(Child& child);
    void SyncPlace(Child& child, bool mayLoadPage = false);
    void SyncPage(Child& child, bool mayLoad);
    void SyncFont(Child& child, platform::Font const& described);
    void ShowText(Child& child, std::wstring const& text);
    void SyncName(Child& child);
    // Every child's keys and focus go through the form first; an edit's double-click too.
    static LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
        DWORD_PTR data);

    ui::Form& m_form;
    Win32TextRenderer& m_fonts;
    std::vector<std::unique_ptr<Child>> m_children;
    std::unique_ptr<Background> m_background;
    std::unique_ptr<ControlTooltips> m_tooltips;
    HWND m_parent = nullptr;
    platform::Browser* m_links = nullptr;
    std::unique_ptr<ChildNames> m_systemNames;
    // Null once the system has said it cannot name windows.
    ChildNames* m_names = nullptr;
    // While the host itself changes a child, the child's notifications are its own echo.
    int m_echoDepth = 0;
};

}
