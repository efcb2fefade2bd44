// A small form shown as a real window: its native children, the pointer, painting, closing.

#include "win32/DpiAwareness.h"
#include "win32/FormWindow.h"
#include "win32/Handles.h"
#include "win32/Unicode.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32EventLoop.h"
#include "win32/Win32Shell.h"
#include "win32/Win32TextRenderer.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/NativeControls.h"
#include "ui/PictureBox.h"
#include "ui/SwatchImage.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace platform::win32;

namespace {

constexpr Colour Skin = MakeColour(0x20, 0x60, 0xA0);
constexpr Colour Green = MakeColour(0, 0xFF, 0);

HWND Hwnd(void* handle) { return static_cast<HWND>(handle); }

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[256] {};
    GetWindowTextW(window, text, 256);
    return text;
}

// A child's rectangle in its parent's client pixels.
gfx::Rect PlaceOf(HWND child)
{
    RECT bounds {};
    GetWindowRect(child, &bounds);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&bounds), 2);
    return { bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top };
}

bool HasStyle(HWND window, LONG_PTR style) { return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style; }

// Serves what is queued, then paints the window and all its children.
void Settle(HWND window)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// Holds keys down in this thread's keyboard state, as GetKeyState sees it, until it ends.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys)
    {
        GetKeyboardState(m_before);
        BYTE state[256];
        GetKeyboardState(state);
        for (int key : keys)
            state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(m_before); }
    HeldKeys(HeldKeys const&) = delete;
    HeldKeys& operator=(HeldKeys const&) = delete;

private:
    BYTE m_before[256] {};
};

struct ShellRecorder final : platform::ShellEvents {
    void HotkeyPressed(int id, int modifiers, int keyCode) override
    {
        events.push_back("hotkey " + std::to_string(id) + " " + std::to_string(modifiers) + ":" + std::to_string(keyCode));
    }
    void TrayClicked(platform::TrayButton button) override
    {
        events.push_back(button == platform::TrayButton::Left ? "tray left" : "tray right");
    }
    void TaskbarCreated() override { events.push_back("taskbar"); }
    void CloseRequested() override { events.push_back("close"); }
    std::vector<std::string> events;
};

class FormWindowTest : public ::testing::Test {
protected:
    FormWindowTest()
    {
        form.SetSize({ 320, 200 });
        form.SetBackColour(Skin);
        form.SetCaption("取色器");
        picture.SetPlace({ 10, 10, 100, 60 });
        picture.SetBackColour(Green);
        title.SetPlace({ 120, 10, 150, 24 });
        title.SetText("取色器");
        swatch.SetPlace({ 280, 10, 30, 30 });
        web.SetPlace({ 20, 100, 120, 20 });
        web.SetText("#7BFFFF");
        chord.SetPlace({ 20, 130, 120, 20 });
        topmost.SetPlace({ 160, 100, 120, 20 });
        topmost.SetCaption("置顶");
        topmost.SetForeColour(MakeColour(255, 255, 255));
        notation.SetPlace({ 160, 130, 120, 20 });
        notation.AddItem("十进制");
        notation.AddItem("网页");
        notation.SetSelectedIndex(1);
        inside.SetPlace({ 5, 5, 50, 20 });

        for (ui::Control* control : std::initializer_list<ui::Control*> { &picture, &swatch, &web, &chord }) {
            std::string const name = control->Name();
            control->OnMouseDown = [this, name](ui::MouseEvent const& e) { Log("down", name, e); };
            control->OnMouseMove = [this, name](ui::MouseEvent const& e) { Log("move", name, e); };
            control->OnMouseUp = [this, name](ui::MouseEvent const& e) { Log("up", name, e); };
            control->OnClick = [this, name] { events.push_back("click " + name); };
            control->OnDoubleClick = [this, name] { events.push_back("double " + name); };
            control->OnChange = [this, name] { events.push_back("change " + name); };
            control->OnKeyDown = [this, name](ui::KeyEvent const& key) {
                events.push_back("key " + name + " " + std::to_string(key.keyCode) + " " + std::to_string(key.shift));
                return true;
            };
        }
        topmost.OnChange = [this] { events.push_back("change topmost"); };
        notation.OnChange = [this] { events.push_back("change notation"); };
    }

    void Log(char const* what, std::string const& name, ui::MouseEvent const& e)
    {
        events.push_back(std::string(what) + " " + name + " b" + std::to_string(e.button) + " s"
            + std::to_string(e.shift) + " " + std::to_string(static_cast<int>(e.x)) + ","
            + std::to_string(static_cast<int>(e.y)));
    }

    HWND Window() const { return Hwnd(window.NativeHandle()); }
    HWND Child(ui::Control const& control) const { return Hwnd(window.NativeChildOf(control)); }

    Win32TextRenderer text;
    ui::Form form { text };
    ui::PictureBox& picture = form.Add<ui::PictureBox>("picture");
    ui::Label& title = form.Add<ui::Label>("title");
    ui::SwatchImage& swatch = form.Add<ui::SwatchImage>("swatch");
    ui::TextBox& web = form.Add<ui::TextBox>("web");
    ui::TextBox& chord = form.Add<ui::TextBox>("chord");
    ui::CheckBox& topmost = form.Add<ui::CheckBox>("topmost");
    ui::ComboBox& notation = form.Add<ui::ComboBox>("notation");
    ui::TextBox& inside = form.AddInside<ui::TextBox>(picture, "inside");
    ui::WebBrowserBox& page = form.Add<ui::WebBrowserBox>("page");
    FormWindow window { form, text, FormWindowOptions { true, false, TransparentKeyColour, gfx::Point { 100, 80 }, {} } };
    std::vector<std::string> events;
};

// An edit lies inside its control: a little in from the sides and centred on its text line.
::testing::AssertionResult EditInside(gfx::Rect edit, gfx::Rect control)
{
    bool const centred = std::abs((edit.y - control.y) - (control.Bottom() - edit.Bottom())) <= 1;
    if (edit.x == control.x + 4 && edit.width == control.width - 8 && centred && edit.height <= control.height
        && edit.height > 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "edit " << edit.x << "," << edit.y << " " << edit.width << "x"
                                         << edit.height << " in control " << control.x << "," << control.y << " "
                                         << control.width << "x" << control.height;
}

}

TEST_F(FormWindowTest, MakesTheWindowAndANativeChildPerNativeControl)
{
    ASSERT_TRUE(window.Create());
    EXPECT_FALSE(window.IsVisible());
    EXPECT_EQ(TextOf(Window()), L"取色器");
    EXPECT_TRUE(HasStyle(Window(), WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU));
    RECT client {};
    GetClientRect(Window(), &client);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 200);
    EXPECT_EQ(window.Position(), (gfx::Point { 100, 80 }));

    EXPECT_EQ(Child(picture), nullptr);
    EXPECT_EQ(Child(page), nullptr);
    EXPECT_EQ(ClassOf(Child(web)), L"Edit");
    EXPECT_EQ(ClassOf(Child(topmost)), L"Button");
    EXPECT_EQ(ClassOf(Child(notation)), L"ComboBox");

    EXPECT_TRUE(EditInside(PlaceOf(Child(web)), web.PixelBounds()));
    EXPECT_EQ(PlaceOf(Child(topmost)), topmost.PixelBounds());
    EXPECT_TRUE(EditInside(PlaceOf(Child(inside)), { 15, 15, 50, 20 }));
    // A drop-down list's own height follows its font; its place and width are the control's.
    EXPECT_EQ(PlaceOf(Child(notation)).Location(), notation.PixelBounds().Location());
    EXPECT_EQ(PlaceOf(Child(notation)).width, notation.PixelBounds().width);

    // The form's z-order: its last native control lies on top.
    EXPECT_EQ(GetTopWindow(Window()), Child(inside));
    EXPECT_EQ(GetWindow(Child(inside), GW_HWNDNEXT), Child(notation));

    EXPECT_EQ(TextOf(Child(web)), L"#7BFFFF");
    EXPECT_EQ(TextOf(Child(topmost)), L"置顶");
    EXPECT_EQ(SendMessageW(Child(notation), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(Child(notation), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Child(web), WM_GETFONT, 0, 0)), text.FontHandle(web.Font()));
    EXPECT_TRUE(events.empty());
}

TEST_F(FormWindowTest, ModelChangesShowInTheChildrenWithoutEcho)
{
    ASSERT_TRUE(window.Create());
    EXPECT_TRUE(HasStyle(Child(web), WS_VISIBLE));

    web.SetText("取色器 #FF0000");
    EXPECT_EQ(TextOf(Child(web)), L"取色器 #FF0000");
    topmost.SetChecked(true);
    EXPECT_EQ(SendMessageW(Child(topmost), BM_GETCHECK, 0, 0), BST_CHECKED);
    notation.AddItem("百分比");
    notation.SetSelectedIndex(2);
    EXPECT_EQ(SendMessageW(Child(notation), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(Child(notation), CB_GETCURSEL, 0, 0), 2);
    notation.Clear();
    EXPECT_EQ(SendMessageW(Child(notation), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(Child(notation), CB_GETCURSEL, 0, 0), CB_ERR);

    platform::Font big { "", 14, true };
    chord.SetFont(big);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Child(chord), WM_GETFONT, 0, 0)), text.FontHandle(big));
    chord.SetAlign(platform::TextAlign::Right);
    EXPECT_TRUE(HasStyle(Child(chord), ES_RIGHT));

    chord.SetPosition(30, 150);
    EXPECT_TRUE(EditInside(PlaceOf(Child(chord)), { 30, 150, 120, 20 }));
    chord.SetVisible(false);
    EXPECT_FALSE(HasStyle(Child(chord), WS_VISIBLE));
    chord.SetVisible(true);
    EXPECT_TRUE(HasStyle(Child(chord), WS_VISIBLE));

    // A container's change reaches the controls inside it, which hear nothing of it themselves;
    // the form asks for a repaint, the window's paint brings them along.
    window.Show();
    picture.SetVisible(false);
    Settle(Window());
    EXPECT_FALSE(HasStyle(Child(inside), WS_VISIBLE));
    picture.SetPosition(40, 20);
    picture.SetVisible(true);
    Settle(Window());
    EXPECT_TRUE(HasStyle(Child(inside), WS_VISIBLE));
    EXPECT_TRUE(EditInside(PlaceOf(Child(inside)), { 45, 25, 50, 20 }));

    // A byte that is no UTF-8 shows as a replacement character; the edit's answering EN_CHANGE
    // is no edit by the user and leaves the model's text alone.
    web.SetText("#7B\xFF");
    EXPECT_EQ(TextOf(Child(web)), L"#7B\uFFFD");
    EXPECT_EQ(web.Text(), "#7B\xFF");

    // The program's own changes are no user input: only SetChecked announces itself, as it does
    // without a window.
    EXPECT_EQ(events, (std::vector<std::string> { "change topmost" }));
}

TEST_F(FormWindowTest, UserInputInTheChildrenReachesTheModel)
{
    ASSERT_TRUE(window.Create());

    SendMessageW(Child(web), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"#00FF7B 色"));
    EXPECT_EQ(web.Text(), "#00FF7B 色");
    SendMessageW(Child(topmost), BM_CLICK, 0, 0);
    EXPECT_TRUE(topmost.Checked());
    // A program's CB_SETCURSEL does not notify; the list does when the user picks.
    SendMessageW(Child(notation), CB_SETCURSEL, 0, 0);
    SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Child(notation)), CBN_SELCHANGE),
        reinterpret_cast<LPARAM>(Child(notation)));
    EXPECT_EQ(notation.SelectedIndex(), 0);
    EXPECT_EQ(events, (std::vector<std::string> { "change web", "change topmost", "change notation" }));

    // The model answering an edit with a text of its own: shown, and not taken for input.
    events.clear();
    web.OnChange = [this] { web.SetText("#000000"); };
    SendMessageW(Child(web), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"black"));
    EXPECT_EQ(web.Text(), "#000000");
    EXPECT_EQ(TextOf(Child(web)), L"#000000");
}

TEST_F(FormWindowTest, DoubleClickAndKeysOnAnEditReachTheModel)
{
    ASSERT_TRUE(window.Create());
    Win32Clipboard clipboard;
    web.OnDoubleClick = [&] { clipboard.SetText(web.Text()); };

    for (std::string const copied : { "#7BFFFF", "取色器 123,255,255" }) {
        web.SetText(copied);
        SendMessageW(Child(web), WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
        SendMessageW(Child(web), WM_LBUTTONUP, 0, At(5, 5));
        ASSERT_TRUE(OpenClipboard(nullptr));
        HANDLE const data = GetClipboardData(CF_UNICODETEXT);
        std::wstring const onClipboard = data ? static_cast<wchar_t const*>(GlobalLock(data)) : L"<none>";
        if (data)
            GlobalUnlock(data);
        CloseClipboard();
        EXPECT_EQ(onClipboard, Widen(copied));
    }

    {
        HeldKeys const ctrl { VK_CONTROL };
        SendMessageW(Child(chord), WM_KEYDOWN, VK_RETURN, 1);
    }
    SendMessageW(Child(chord), WM_SYSKEYDOWN, 'C', 1);
    EXPECT_EQ(events, (std::vector<std::string> { "key chord 13 2", "key chord 67 0" }));
}

// Records, and keeps from their handlers, the menus a key would open: the window's menu loop
// (SC_KEYMENU) and a box's context menu. Either would wait for the user.
LRESULT CALLBACK RecordMenus(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto& menus = *reinterpret_cast<std::vector<std::string>*>(data);
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) {
        menus.push_back("keymenu");
        return 0;
    }
    if (message == WM_CONTEXTMENU) {
        menus.push_back("context menu");
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// Was: F10, Alt and a letter and Shift+F10 went on from a chord box to the system, which opened
// the window's menu or the box's after the box had taken them as chords.
TEST_F(FormWindowTest, SystemKeysAChordBoxTookOpenNoMenu)
{
    chord.SetCapturesKeys(true);
    ASSERT_TRUE(window.Create());
    std::vector<std::string> menus;
    SetWindowSubclass(Window(), RecordMenus, 1, reinterpret_cast<DWORD_PTR>(&menus));
    SetWindowSubclass(Child(chord), RecordMenus, 1, reinterpret_cast<DWORD_PTR>(&menus));
    // The messages a box sees for each, in the order the system sends them.
    constexpr LPARAM Alt = 1 << 29;
    constexpr LPARAM Up = static_cast<LPARAM>(0xC0000001u);
    auto const keys = [&](std::initializer_list<std::pair<UINT, std::pair<WPARAM, LPARAM>>> sequence) {
        for (auto const& [message, parameters] : sequence)
            SendMessageW(Child(chord), message, parameters.first, parameters.second);
    };
    keys({ { WM_SYSKEYDOWN, { VK_F10, 1 } }, { WM_SYSKEYUP, { VK_F10, Up } } });
    {
        HeldKeys const alt { VK_MENU };
        keys({ { WM_SYSKEYDOWN, { VK_MENU, Alt | 1 } }, { WM_SYSKEYDOWN, { 'Q', Alt | 1 } },
            { WM_SYSCHAR, { 'q', Alt | 1 } }, { WM_SYSKEYUP, { 'Q', Alt | Up } } });
    }
    keys({ { WM_KEYUP, { VK_MENU, Up } } });
    {
        HeldKeys const alt { VK_MENU };
        keys({ { WM_SYSKEYDOWN, { VK_MENU, Alt | 1 } } });
    }
    keys({ { WM_SYSKEYUP, { VK_MENU, Up } } });
    {
        HeldKeys const shift { VK_SHIFT };
        keys({ { WM_SYSKEYDOWN, { VK_F10, 1 } }, { WM_SYSKEYUP, { VK_F10, Up } } });
    }
    Settle(Window());
    RemoveWindowSubclass(Window(), RecordMenus, 1);
    RemoveWindowSubclass(Child(chord), RecordMenus, 1);
    EXPECT_EQ(menus, std::vector<std::string> {});
    EXPECT_EQ(events, (std::vector<std::string> { "key chord 121 0", "key chord 18 4", "key chord 81 4", "key chord 18 4",
                          "key chord 121 1" }));
}

TEST_F(FormWindowTest, PointerMessagesReachTheControlsWithCapture)
{
    ASSERT_TRUE(window.Create());

    SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT | MK_CONTROL, At(20, 50));
    EXPECT_EQ(GetCapture(), Window());
    // Dragged out of the window to its left: the captured control still hears, in its own units.
    SendMessageW(Window(), WM_MOUSEMOVE, MK_LBUTTON, At(-5, 300));
    SendMessageW(Window(), WM_LBUTTONUP, 0, At(-5, 300));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(events,
        (std::vector<std::string> { "down picture b1 s3 10,40", "move picture b1 s0 -15,290", "up picture b1 s0 -15,290" }));

    events.clear();
    {
        HeldKeys const alt { VK_MENU };
        SendMessageW(Window(), WM_RBUTTONDOWN, MK_RBUTTON, At(285, 15));
    }
    SendMessageW(Window(), WM_MBUTTONDOWN, MK_RBUTTON | MK_MBUTTON, At(285, 15));
    SendMessageW(Window(), WM_MOUSEMOVE, MK_RBUTTON | MK_MBUTTON, At(286, 16));
    SendMessageW(Window(), WM_RBUTTONUP, MK_MBUTTON, At(286, 16));
    // One button still held: the capture stays until the last is released.
    EXPECT_EQ(GetCapture(), Window());
    SendMessageW(Window(), WM_MBUTTONUP, 0, At(286, 16));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(events,
        (std::vector<std::string> { "down swatch b2 s4 5,5", "down swatch b4 s0 5,5", "move swatch b6 s0 6,6",
            "up swatch b2 s0 6,6", "click swatch", "up swatch b4 s0 6,6" }));

    events.clear();
    SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, At(285, 15));
    SendMessageW(Window(), WM_LBUTTONUP, 0, At(285, 15));
    SendMessageW(Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(285, 15));
    SendMessageW(Window(), WM_LBUTTONUP, 0, At(285, 15));
    EXPECT_EQ(events, (std::vector<std::string> { "down swatch b1 s0 5,5", "up swatch b1 s0 5,5", "click swatch",
                          "double swatch", "up swatch b1 s0 5,5" }));
    EXPECT_EQ(GetCapture(), nullptr);
}

// A click that opens an overlay, then a quick click on the same spot once it has gone, once came
// as a double-click, and the second click did nothing.
TEST_F(FormWindowTest, TwoQuickClicksWithTheWindowLeftBetweenAreTwoClicks)
{
    ASSERT_TRUE(window.Create());
    SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, At(285, 15));
    SendMessageW(Window(), WM_LBUTTONUP, 0, At(285, 15));
    SendMessageW(Window(), WM_MOUSELEAVE, 0, 0);
    SendMessageW(Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(285, 15));
    SendMessageW(Window(), WM_LBUTTONUP, 0, At(285, 15));
    EXPECT_EQ(events, (std::vector<std::string> { "down swatch b1 s0 5,5", "up swatch b1 s0 5,5", "click swatch",
                          "down swatch b1 s0 5,5", "up swatch b1 s0 5,5", "click swatch" }));
}

TEST_F(FormWindowTest, PaintsTheFormIntoItsBackBufferAndOnScreen)
{
    ASSERT_TRUE(window.Create());
    window.Show();
    Settle(Window());
    gfx::Image const& back = window.BackBuffer();
    ASSERT_EQ(back.Size(), (gfx::Size { 320, 200 }));
    EXPECT_EQ(*back.PixelAt(20, 50), gfx::PixelFromColour(Green));
    EXPECT_EQ(*back.PixelAt(200, 180), gfx::PixelFromColour(Skin));
    int titlePixels = 0;
    for (int y = 10; y < 34; ++y)
        for (int x = 120; x < 270; ++x)
            titlePixels += *back.PixelAt(x, y) != gfx::PixelFromColour(Skin);
    EXPECT_GT(titlePixels, 30);
    {
        WindowDc const screen(Window());
        EXPECT_EQ(GetPixel(screen.Get(), 20, 50), static_cast<COLORREF>(Green));
        EXPECT_EQ(GetPixel(screen.Get(), 200, 180), static_cast<COLORREF>(Skin));
    }

    // The skin shows through the edit and the check box, around their text.
    {
        WindowDc const edit(Child(chord));
        EXPECT_EQ(GetPixel(edit.Get(), 110, 10), static_cast<COLORREF>(Skin));
        WindowDc const check(Child(topmost));
        EXPECT_EQ(GetPixel(check.Get(), 115, 10), static_cast<COLORREF>(Skin));
        // Under the edit inside the picture box lies the picture's green.
        WindowDc const inner(Child(inside));
        EXPECT_EQ(GetPixel(inner.Get(), 36, 5), static_cast<COLORREF>(Green));
    }

    picture.SetBackColour(MakeColour(255, 0, 0));
    Settle(Window());
    EXPECT_EQ(*window.BackBuffer().PixelAt(20, 50), gfx::PixelFromColour(MakeColour(255, 0, 0)));
    {
        WindowDc const inner(Child(inside));
        EXPECT_EQ(GetPixel(inner.Get(), 36, 5), static_cast<COLORREF>(MakeColour(255, 0, 0)));
    }

    form.SetSize({ 400, 260 });
    Settle(Window());
    RECT client {};
    GetClientRect(Window(), &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 260);
    EXPECT_EQ(window.BackBuffer().Size(), (gfx::Size { 400, 260 }));
    EXPECT_EQ(*window.BackBuffer().PixelAt(390, 250), gfx::PixelFromColour(Skin));
}

TEST_F(FormWindowTest, CaptionPositionAndVisibility)
{
    ASSERT_TRUE(window.Create());
    form.SetCaption("新标题");
    window.SyncCaption();
    EXPECT_EQ(TextOf(Window()), L"新标题");
    window.MoveTo(30, 40);
    EXPECT_EQ(window.Position(), (gfx::Point { 30, 40 }));
    window.Show();
    EXPECT_TRUE(IsWindowVisible(Window()));
    window.Hide();
    EXPECT_FALSE(window.IsVisible());
}

// A window minimised by the system (Win+M) was shown again still minimised, out of sight.
TEST_F(FormWindowTest, ShowingRestoresAMinimisedWindow)
{
    ASSERT_TRUE(window.Create());
    window.Show();
    ShowWindow(Window(), SW_MINIMIZE);
    ASSERT_TRUE(window.IsMinimised());
    window.Hide();
    window.Show();
    EXPECT_FALSE(IsIconic(Window()));
    EXPECT_TRUE(IsWindowVisible(Window()));
}

TEST_F(FormWindowTest, ClosingEndsTheLoopUnlessTheProgramTakesIt)
{
    ASSERT_TRUE(window.Create());
    ShellRecorder shell;
    window.SetShell(&shell);
    SendMessageW(Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(shell.events, (std::vector<std::string> { "close" }));
    ASSERT_TRUE(IsWindow(Window()));

    HWND const handle = Window();
    window.SetShell(nullptr);
    SendMessageW(handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(window.NativeHandle(), nullptr);
    Win32EventLoop loop;
    EXPECT_EQ(loop.Run(), 0);
    EXPECT_TRUE(loop.QuitRequested());
    loop.ServeEvents(5);
    // The model goes on without a window.
    web.SetText("after");
    form.SetSize({ 10, 10 });
}


TEST(FormWindow, FramedCentredAndColourKeyedWindows)
{
    EXPECT_NE(EnableDpiAwareness(), DpiAwareness::None);

    Win32TextRenderer text;
    ui::Form form(text);
    form.SetSize({ 200, 100 });
    FormWindowOptions options;
    options.frameless = false;
    options.colourKey = true;
    FormWindow window(form, text, options);
    ASSERT_TRUE(window.Create());
    HWND const handle = Hwnd(window.NativeHandle());
    EXPECT_TRUE(HasStyle(handle, WS_CAPTION));
    RECT client {};
    GetClientRect(handle, &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 100);

    RECT bounds {};
    GetWindowRect(handle, &bounds);
    RECT work {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((bounds.left + bounds.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((bounds.top + bounds.bottom) - (work.top + work.bottom)), 1);
    {
        // Taller and wider than the work area: its title stays on it.
        ui::Form large(text);
        large.SetSize({ work.right - work.left + 200, work.bottom - work.top + 200 });
        FormWindow tooLarge(large, text, FormWindowOptions {});
        ASSERT_TRUE(tooLarge.Create());
        RECT placed {};
        GetWindowRect(Hwnd(tooLarge.NativeHandle()), &placed);
        EXPECT_EQ(placed.left, work.left);
        EXPECT_EQ(placed.top, work.top);
    }

    EXPECT_TRUE(GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_LAYERED);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(handle, &key, &alpha, &flags));
    EXPECT_EQ(key, static_cast<COLORREF>(TransparentKeyColour));
    EXPECT_EQ(flags & LWA_COLORKEY, static_cast<DWORD>(LWA_COLORKEY));

    PostQuitMessage(7);
    Win32EventLoop loop;
    loop.ServeEvents(1);
    EXPECT_TRUE(loop.QuitRequested()) << "a quit met while waiting is kept, not posted again";
    EXPECT_EQ(loop.Run(), 7);
}

TEST_F(FormWindowTest, SystemMessagesArriveAsTypedEvents)
{
    ASSERT_TRUE(window.Create());
    ShellRecorder shell;
    window.SetShell(&shell);
    SendMessageW(Window(), WM_HOTKEY, 2, MAKELPARAM(MOD_SHIFT, 'Q'));
    // Only a release over the tray icon is a click.
    for (UINT mouse : { WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP })
        SendMessageW(Window(), TrayCallbackMessage(), 1, mouse);
    SendMessageW(Window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(shell.events, (std::vector<std::string> { "hotkey 2 4:81", "tray left", "tray right", "taskbar" }));

    std::vector<int> keys;
    form.OnKeyDown = [&](ui::KeyEvent const& key) {
        keys.push_back(key.keyCode);
        return key.keyCode == VK_ESCAPE;
    };
    EXPECT_EQ(SendMessageW(Window(), WM_KEYDOWN, VK_ESCAPE, 1), 0);
    // An unhandled Alt+F4 goes on to the system, which closes the window.
    SendMessageW(Window(), WM_SYSKEYDOWN, VK_F4, 1 << 29);
    Settle(Window());
    EXPECT_EQ(keys, (std::vector<int> { VK_ESCAPE, VK_F4 }));
    EXPECT_EQ(shell.events.back(), "close");
}

// The main window takes over from the splash: hidden and shown again, it must be the window that
// has the focus, or the first click on it only activates it.
TEST_F(FormWindowTest, ShowingBringsTheWindowToTheFrontWithTheFocus)
{
    ASSERT_TRUE(window.Create());
    Win32TextRenderer otherText;
    ui::Form otherForm(otherText);
    otherForm.SetSize({ 50, 50 });
    FormWindow other(otherForm, otherText);
    ASSERT_TRUE(other.Create());
    window.Show();
    other.Show();
    Settle(Window());
    window.Hide();
    window.Show();
    Settle(Window());
    EXPECT_EQ(GetForegroundWindow(), Window());
    EXPECT_EQ(GetActiveWindow(), Window());
}

TEST(Win32Tray, TheIconGoesWithItsOwner)
{
    Win32TextRenderer text;
    ui::Form form(text);
    form.SetSize({ 50, 50 });
    FormWindow window(form, text);
    ASSERT_TRUE(window.Create());
    AppIcon const icon(16);
    NOTIFYICONDATAW record {};
    record.cbSize = sizeof record;
    record.hWnd = Hwnd(window.NativeHandle());
    record.uID = 1;
    record.uFlags = NIF_TIP;
    {
        Win32Tray tray(window.NativeHandle(), icon.Handle());
        ASSERT_TRUE(tray.AddIcon("取色器"));
        EXPECT_TRUE(tray.AddIcon("取色器")) << "adding again, as after the taskbar's return, keeps the icon";
        EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &record));
    }
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &record)) << "no icon is left behind";
}
