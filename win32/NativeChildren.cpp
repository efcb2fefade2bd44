#include "win32/NativeChildren.h"

#include "win32/ChildNames.h"
#include "win32/ControlTooltips.h"
#include "win32/KeyboardState.h"
#include "win32/Unicode.h"
#include "win32/WebPageBox.h"
#include "win32/Win32TextRenderer.h"
#include "ui/AccessibleTree.h"
#include "ui/NativeControls.h"
#include "ui/PictureBox.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace platform::win32 {

namespace {

// The drop-down list of a combo box shows about this many entries before it scrolls.
constexpr int ComboListEntries = 8;
constexpr int FirstChildId = 1000;
// An edit's text starts this many units in from its field's left edge.
constexpr int TextIndent = 4;

LONG_PTR EditAlignStyle(platform::TextAlign align)
{
    switch (align) {
    case platform::TextAlign::Centre:
        return ES_CENTER;
    case platform::TextAlign::Right:
        return ES_RIGHT;
    case platform::TextAlign::Left:
        break;
    }
    return ES_LEFT;
}

std::wstring WindowText(HWND window)
{
    int const length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int const copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

bool PaintsOverSkin(ui::ControlKind kind) { return kind == ui::ControlKind::TextBox || kind == ui::ControlKind::CheckBox; }

// Whether the pixels inside rect differ between two pictures (of any size: outside a picture
// counts as a difference).
bool AreaDiffers(gfx::Image const& before, gfx::Image const& after, gfx::Rect rect)
{
    if (before.Size() != after.Size())
        return true;
    gfx::Rect const area = rect.Intersected(after.Bounds());
    auto const rowBytes = static_cast<size_t>(area.width) * sizeof(gfx::Pixel);
    for (int y = area.y; y < area.Bottom(); ++y) {
        if (std::memcmp(before.Scanline(y) + area.x, after.Scanline(y) + area.x, rowBytes) != 0)
            return true;
    }
    return false;
}

}

struct NativeChildren::Child {
    NativeChildren* owner = nullptr;
    ui::Control* control = nullptr;
    // Owned by the parent window, which destroys its children with itself. A web page box's
    // window is its page's, and null until the page is first shown.
    HWND window = nullptr;
    std::unique_ptr<WebPageBox> page;
    std::string navigated;
    // The browser control could not be made: it is not tried again.
    bool pageRefused = false;
    // What was last applied, so that a sync changes only what changed: setting an edit's text
    // again would move its caret, re-adding a combo's items would close its list.
    std::optional<gfx::Rect> placed;
    std::optional<platform::Font> font;
    std::vector<std::string> items;
    Colour textColour = 0;
    std::optional<std::wstring> named;
    // The last key-down was the form's (Tab, or Enter acting): its character is not typed.
    bool keyTaken = false;
};

// A copy of the back buffer as a pattern brush. The brush is declared after the bitmap it was
// made from, so that it goes first.
struct NativeChildren::Background {
    OwnedBitmap bitmap;
    OwnedBrush brush;
    gfx::Image pixels;

    static std::unique_ptr<Background> CopyOf(gfx::Image const& from)
    {
        if (from.IsEmpty())
            return nullptr;
        BITMAPINFO info {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = from.Width();
        info.bmiHeader.biHeight = -from.Height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        auto background = std::make_unique<Background>();
        void* bits = nullptr;
        // Not selected into any DC, as a bitmap for a pattern brush should be.
        background->bitmap = OwnedBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!background->bitmap || !bits)
            return nullptr;
        background->pixels = gfx::Image::Wrap(static_cast<gfx::Pixel*>(bits), from.Width(), from.Height(), from.Width());
        for (int y = 0; y < from.Height(); ++y)
            std::memcpy(background->pixels.Scanline(y), from.Scanline(y),
                static_cast<size_t>(from.Width()) * sizeof(gfx::Pixel));
        background->brush = OwnedBrush(CreatePatternBrush(background->bitmap.Get()));
        if (!background->brush)
            return nullptr;
        return background;
    }
};

class NativeChildren::EchoGuard {
public:
    explicit EchoGuard(NativeChildren& children)
        : m_children(children)
    {
        ++m_children.m_echoDepth;
    }
    ~EchoGuard() { --m_children.m_echoDepth; }
    EchoGuard(EchoGuard const&) = delete;
    EchoGuard& operator=(EchoGuard const&) = delete;

private:
    NativeChildren& m_children;
};

NativeChildren::NativeChildren(ui::Form& form, Win32TextRenderer& fonts)
    : m_form(form)
    , m_fonts(fonts)
{
}

NativeChildren::~NativeChildren() = default;

void NativeChildren::Create(HWND parent)
{
    Forget();
    m_parent = parent;
    for (auto const& control : m_form.Controls()) {
        if (!control->IsNative())
            continue;
        auto child = std::make_unique<Child>();
        child->owner = this;
        child->control = control.get();
        Make(*child, parent);
        if (child->window || control->Kind() == ui::ControlKind::WebBrowser)
            m_children.push_back(std::move(child));
    }
    // Each child in turn to the top: the form's last control ends topmost, as in the form.
    for (auto const& child : m_children) {
        if (child->window)
            SetWindowPos(child->window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (!m_names) {
        m_systemNames = SystemChildNames();
        m_names = m_systemNames.get();
    }
    for (auto const& child : m_children) {
        SyncState(*child);
        SyncPlace(*child, true);
        SyncName(*child);
    }
    m_tooltips = std::make_unique<ControlTooltips>(m_form, parent);
    m_tooltips->Sync();
}

void NativeChildren::Forget()
{
    m_children.clear();
    m_background.reset();
    m_tooltips.reset();
    m_parent = nullptr;
}

void NativeChildren::Make(Child& child, HWND parent)
{
    DWORD style = WS_CHILD | WS_TABSTOP;
    wchar_t const* className = nullptr;
    switch (child.control->Kind()) {
    case ui::ControlKind::TextBox:
        className = L"EDIT";
        style |= ES_AUTOHSCROLL
            | static_cast<DWORD>(EditAlignStyle(static_cast<ui::TextBox const&>(*child.control).Align()));
        break;
    case ui::ControlKind::CheckBox:
        className = L"BUTTON";
        style |= BS_AUTOCHECKBOX;
        break;
    case ui::ControlKind::ComboBox:
        className = L"COMBOBOX";
        style |= CBS_DROPDOWNLIST | WS_VSCROLL;
        break;
    default:
        return;
    }
    auto const id = static_cast<INT_PTR>(FirstChildId + m_children.size());
    child.window = CreateWindowExW(0, className, L"", style, 0, 0, 0, 0, parent, reinterpret_cast<HMENU>(id),
        GetModuleHandleW(nullptr), nullptr);
    if (child.window)
        SetWindowSubclass(child.window, ChildProc, 0, reinterpret_cast<DWORD_PTR>(&child));
}

NativeChildren::Child* NativeChildren::Find(HWND window) const
{
    auto const found = std::find_if(
        m_children.begin(), m_children.end(), [&](auto const& child) { return child->window == window; });
    return found == m_children.end() ? nullptr : found->get();
}

NativeChildren::Child* NativeChildren::Find(ui::Control const& control) const
{
    auto const found = std::find_if(
        m_children.begin(), m_children.end(), [&](auto const& child) { return child->control == &control; });
    return found == m_children.end() ? nullptr : found->get();
}

HWND NativeChildren::WindowOf(ui::Control const& control) const
{
    Child const* const child = Find(control);
    return child ? child->window : nullptr;
}

void NativeChildren::Sync(ui::Control const& control)
{
    if (Child* const child = Find(control)) {
        SyncState(*child);
        SyncPlace(*child, true);
    }
}

void NativeChildren::SyncLayout()
{
    // A label's text may have changed with the layout's repaint: the names follow it.
    for (auto const& child : m_children) {
        SyncPlace(*child);
        SyncName(*child);
    }
    if (m_tooltips)
        m_tooltips->Sync();
}

void NativeChildren::SyncName(Child& child)
{
    ui::ControlKind const kind = child.control->Kind();
    if (!m_names || !child.window || (kind != ui::ControlKind::TextBox && kind != ui::ControlKind::ComboBox))
        return;
    int const id = ui::AccessibleChildId(m_form, *child.control);
    if (id == 0)
        return;
    std::wstring const name = Widen(ui::DescribeChild(m_form, id).name);
    if (child.named == name)
        return;
    child.named = name;
    if (!m_names->Name(child.window, name))
        m_names = nullptr;
}

void NativeChildren::SyncFont(Child& child, platform::Font const& described)
{
    // Described for 96 DPI, shown at the form's scale as the painted labels are.
    platform::Font const font = m_form.ScaledFont(described);
    if (child.font == font)
        return;
    child.font = font;
    SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts.FontHandle(font)), TRUE);
    // A combo box's field height follows its font, and its list height the entries' height; an
    // edit is centred on its font's line.
    child.placed.reset();
}

void NativeChildren::ShowText(Child& child, std::wstring const& text)
{
    if (WindowText(child.window) == text)
        return;
    SetWindowTextW(child.window, text.c_str());
    // An edit with a transparent background draws new text over the old; the whole child is
    // painted afresh, background first.
    InvalidateRect(child.window, nullptr, TRUE);
}

void NativeChildren::SyncState(Child& child)
{
    EchoGuard const guard(*this);
    HWND const window = child.window;
    switch (child.control->Kind()) {
    case ui::ControlKind::TextBox: {
        auto const& box = static_cast<ui::TextBox const&>(*child.control);
        SyncFont(child, box.Font());
        LONG_PTR const style = GetWindowLongPtrW(window, GWL_STYLE);
        LONG_PTR const aligned = (style & ~LONG_PTR { ES_CENTER | ES_RIGHT }) | EditAlignStyle(box.Align());
        if (aligned != style) {
            SetWindowLongPtrW(window, GWL_STYLE, aligned);
            InvalidateRect(window, nullptr, TRUE);
        }
        // A read-only edit still sees every key-down, so a chord box takes keys and nothing else.
        if (((style & ES_READONLY) != 0) != box.CapturesKeys())
            SendMessageW(window, EM_SETREADONLY, box.CapturesKeys() ? TRUE : FALSE, 0);
        ShowText(child, Widen(box.Text()));
        break;
    }
    case ui::ControlKind::CheckBox: {
        auto const& box = static_cast<ui::CheckBox const&>(*child.control);
        SyncFont(child, box.Font());
        ShowText(child, Widen(box.Caption()));
        WPARAM const state = box.Checked() ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(SendMessageW(window, BM_GETCHECK, 0, 0)) != state)
            SendMessageW(window, BM_SETCHECK, state, 0);
        if (box.ForeColour() != child.textColour) {
            child.textColour = box.ForeColour();
            InvalidateRect(window, nullptr, TRUE);
        }
        break;
    }
    case ui::ControlKind::ComboBox: {
        auto const& box = static_cast<ui::ComboBox const&>(*child.control);
        SyncFont(child, box.Font());
        if (child.items != box.Items()) {
            SendMessageW(window, CB_RESETCONTENT, 0, 0);
            for (std::string const& item : box.Items())
                SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
            child.items = box.Items();
        }
        // CB_SETCURSEL with -1 clears the selection, as the model's -1 means.
        if (SendMessageW(window, CB_GETCURSEL, 0, 0) != box.SelectedIndex())
            SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(box.SelectedIndex()), 0);
        break;
    }
    default:
        break;
    }
}

namespace {

gfx::Rect TextBoxPlace(HWND edit, gfx::Rect bounds, int indent)
{
    WindowDc dc(edit);
    SelectedObject const font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc.Get(), &metrics);
    int const line = std::min(bounds.height, static_cast<int>(metrics.tmHeight) + 2);
    if (line <= 0 || bounds.width <= 2 * indent)
        return bounds;
    return { bounds.x + indent, bounds.y + (bounds.height - line) / 2, bounds.width - 2 * indent, line };
}

}

void NativeChildren::SyncPlace(Child& child, bool mayLoadPage)
{
    if (child.control->Kind() == ui::ControlKind::WebBrowser) {
        SyncPage(child, mayLoadPage);
        return;
    }
    gfx::Rect const bounds = child.control->PixelBounds();
    if (child.placed != bounds) {
        gfx::Rect place = bounds;
        // A one-line edit draws its text at the top; the skin's field around it looks right
        // only with the text in the middle, a little away from the left edge.
        if (child.control->Kind() == ui::ControlKind::TextBox)
            place = TextBoxPlace(child.window, bounds, m_form.PixelEdge(TextIndent));
        int height = std::max(place.height, 0);
        // A drop-down list's window height is the field and the list together.
        if (child.control->Kind() == ui::ControlKind::ComboBox) {
            auto const entryHeight = static_cast<int>(SendMessageW(child.window, CB_GETITEMHEIGHT, 0, 0));
            height += ComboListEntries * std::max(entryHeight, 1) + 2;
        }
        SetWindowPos(child.window, nullptr, place.x, place.y, std::max(place.width, 0), height,
            SWP_NOZORDER | SWP_NOACTIVATE);
        child.placed = bounds;
    }
    bool const shown = child.control->Shown();
    bool const visible = (GetWindowLongPtrW(child.window, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != visible)
        ShowWindow(child.window, shown ? SW_SHOWNA : SW_HIDE);
}

// Not while painting, when the layout is synced too: loading the engine makes windows and
// activates objects, which has no place inside a paint.
void NativeChildren::SyncPage(Child& child, bool mayLoad)
{
    auto const& box = static_cast<ui::WebBrowserBox const&>(*child.control);
    if (!child.page) {
        if (!mayLoad || child.pageRefused || !m_parent || !box.Shown() || !platform::IsWebLink(box.Address()))
            return;
        child.page = WebPageBox::Create(m_parent, [this](std::string const& link) {
            if (m_links)
                m_links->Open(link);
        });
        if (!child.page) {
            child.pageRefused = true;
            return;
        }
        child.window = static_cast<HWND>(child.page->Window());
    }
    // The page lies where the form puts it, cut to the picture box it sits in.
    gfx::Rect const bounds = box.PixelBounds();
    child.page->Place(bounds, box.Container() ? box.Container()->InnerBounds() : bounds);
    if (box.Address() != child.navigated) {
        child.navigated = box.Address();
        child.page->Navigate(child.navigated);
    }
    child.page->Show(box.Shown());
}

bool NativeChildren::Command(HWND window, int code)
{
    Child* const child = Find(window);
    if (!child)
        return false;
    if (m_echoDepth > 0)
        return true;
    switch (child->control->Kind()) {
    case ui::ControlKind::TextBox:
        if (code == EN_CHANGE) {
            InvalidateRect(window, nullptr, TRUE);
            static_cast<ui::TextBox&>(*child->control).UserEdited(Narrow(WindowText(window)));
        }
        break;
    case ui::ControlKind::CheckBox:
        if (code == BN_CLICKED)
            static_cast<ui::CheckBox&>(*child->control).UserToggled(SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED);
        break;
    case ui::ControlKind::ComboBox:
        if (code == CBN_SELCHANGE) {
            auto const index = static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0));
            static_cast<ui::ComboBox&>(*child->control).UserSelected(index == CB_ERR ? -1 : index);
        }
        break;
    default:
        break;
    }
    return true;
}

HBRUSH NativeChildren::BackgroundFor(HWND window, HDC dc) const
{
    Child const* const child = Find(window);
    if (!child || !m_background || !PaintsOverSkin(child->control->Kind()))
        return nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(child->textColour));
    // The pattern starts at the parent's corner, so the child shows the part of the back buffer
    // that lies beneath it.
    POINT corner {};
    MapWindowPoints(window, GetParent(window), &corner, 1);
    SetBrushOrgEx(dc, -corner.x, -corner.y, nullptr);
    return m_background->brush.Get();
}

void NativeChildren::SetBackground(gfx::Image const& backBuffer)
{
    std::unique_ptr<Background> next = Background::CopyOf(backBuffer);
    for (auto const& child : m_children) {
        if (!PaintsOverSkin(child->control->Kind()) || !child->control->Shown())
            continue;
        if (!m_background || !next || AreaDiffers(m_background->pixels, next->pixels, child->control->PixelBounds()))
            InvalidateRect(child->window, nullptr, TRUE);
    }
    m_background = std::move(next);
}

LRESULT CALLBACK NativeChildren::ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
    DWORD_PTR data)
{
    auto* const child = reinterpret_cast<Child*>(data);
    switch (message) {
    case WM_LBUTTONDBLCLK: {
        if (child->control->Kind() != ui::ControlKind::TextBox)
            break;
        // The edit selects the word first, as it always does; then the program hears of it.
        LRESULT const result = DefSubclassProc(window, message, wParam, lParam);
        child->owner->m_form.DoubleClickOn(*child->control);
        return result;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Tab leaves the child, Enter may act on it, a chord box takes its chord: the character
        // that follows is ours too.
        child->keyTaken
            = child->owner->m_form.KeyDownOn(*child->control, { static_cast<int>(wParam), KeyboardShiftState() });
        if (child->keyTaken)
            return 0;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        // A chord box's keys end in the box: let go, F10 or Alt alone would enter the window's
        // menu, the menu key would open the box's own, and Alt with a character would look for a
        // menu entry and beep.
        if (child->control->Kind() == ui::ControlKind::TextBox
            && static_cast<ui::TextBox const&>(*child->control).CapturesKeys())
            return 0;
        break;
    case WM_CHAR:
        if (child->keyTaken && (wParam == L'\t' || wParam == L'\r')) {
            child->keyTaken = false;
            return 0;
        }
        child->keyTaken = false;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (message == WM_SETFOCUS)
            child->owner->m_form.NativeFocused(*child->control);
        // A chord box lets the hotkeys go while it has the focus.
        if (child->control->Kind() == ui::ControlKind::TextBox)
            static_cast<ui::TextBox&>(*child->control).UserFocused(message == WM_SETFOCUS);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, ChildProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}
