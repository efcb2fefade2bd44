// The main window in a real window under Wine: its notation boxes are edits, and a double-click
// on one puts its notation on the system clipboard under the copy-prefix option; assistive
// technology finds the painted controls by name and role, and can press them; the native boxes
// are named after their labels; a right-click on the colour box offers the further notations in
// the system's menu and copies the one chosen.

#include "app/MainWindow.h"
#include "colour/CopyAsNotations.h"
#include "contract/TempFolder.h"
#include "win32/ChildNames.h"
#include "win32/ComApartment.h"
#include "win32/FormWindow.h"
#include "win32/Unicode.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32PopupMenu.h"
#include "win32/Win32ProfileFiles.h"
#include "win32/Win32TextRenderer.h"
#include "ui/AccessibleTree.h"

#include <gtest/gtest.h>

#include "PumpMessages.h"

#include <oleacc.h>
#include <windows.h>

#include <map>
#include <optional>
#include <vector>

namespace {

using namespace platform::win32;

std::wstring ClipboardText()
{
    if (!OpenClipboard(nullptr))
        return L"<busy>";
    HANDLE const data = GetClipboardData(CF_UNICODETEXT);
    std::wstring const text = data ? static_cast<wchar_t const*>(GlobalLock(data)) : L"<none>";
    if (data)
        GlobalUnlock(data);
    CloseClipboard();
    return text;
}

// Settings in a file named before the program reads them.
struct NamedSettings : INIDX {
    NamedSettings(platform::ProfileFiles& files, std::string_view path)
        : INIDX(files)
    {
        IniName(path);
    }
};

// The main window of a program whose settings live in a folder of the test's own.
struct MainWindowOnScreen {
    explicit MainWindowOnScreen(std::optional<int> dpi)
        : zhuJM({ text, clipboard, profiles, settings, folder.File("") })
        , window(zhuJM.Form(), text, { .frameless = true, .colourKey = true, .keyColour = TransparentKeyColour,
              .position = gfx::Point { 40, 40 }, .dpi = dpi })
    {
    }

    TempFolder folder;
    Win32ProfileFiles profiles;
    NamedSettings settings { profiles, folder.File("path.ini") };
    Win32TextRenderer text;
    Win32Clipboard clipboard;
    app::ZhuJM zhuJM;
    FormWindow window;
};

TEST(MainWindowWin32, DoubleClickOnANotationBoxCopiesIt)
{
    MainWindowOnScreen main(std::nullopt);
    app::ZhuJM& zhuJM = main.zhuJM;
    FormWindow& window = main.window;
    ASSERT_TRUE(window.Create());
    zhuJM.SZYS(13139978);

    auto const edit = [&](int index) { return static_cast<HWND>(window.NativeChildOf(*zhuJM.Controls().YSSR[index])); };
    for (int index = 0; index < 4; ++index) {
        ASSERT_NE(edit(index), nullptr);
        wchar_t shown[64] {};
        GetWindowTextW(edit(index), shown, 64);
        EXPECT_EQ(Narrow(shown), zhuJM.Controls().YSSR[index]->Text());
    }

    struct Case {
        int box;
        bool keepPrefix;
        wchar_t const* copied;
    } const cases[] = { { 1, true, L"#0A80C8" }, { 2, true, L"&HC8800A" }, { 1, false, L"0A80C8" },
        { 2, false, L"C8800A" }, { 3, false, L"74%,28%,0%,21%" } };
    for (Case const& c : cases) {
        HWND const check = static_cast<HWND>(window.NativeChildOf(*zhuJM.Controls().DXAnNiu));
        if ((SendMessageW(check, BM_GETCHECK, 0, 0) == BST_CHECKED) != c.keepPrefix)
            SendMessageW(check, BM_CLICK, 0, 0);
        ASSERT_EQ(zhuJM.Controls().DXAnNiu->Checked(), c.keepPrefix);
        SendMessageW(edit(c.box), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(edit(c.box), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(ClipboardText(), c.copied) << "box " << c.box;
    }
}

// What a popup menu of this thread offered when it opened; it is then answered with the keys
// that choose its second entry.
std::vector<std::wstring> g_menuEntries;

LRESULT CALLBACK ChooseSecondEntry(int code, WPARAM wParam, LPARAM lParam)
{
    auto const& sent = *reinterpret_cast<CWPSTRUCT const*>(lParam);
    if (code == HC_ACTION && sent.message == WM_INITMENUPOPUP) {
        auto const menu = reinterpret_cast<HMENU>(sent.wParam);
        for (int item = 0; item < GetMenuItemCount(menu); ++item) {
            wchar_t text[80] {};
            GetMenuStringW(menu, static_cast<UINT>(item), text, 80, MF_BYPOSITION);
            g_menuEntries.emplace_back(text);
        }
        for (WPARAM const key : { VK_DOWN, VK_DOWN, VK_RETURN })
            PostMessageW(sent.hwnd, WM_KEYDOWN, key, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(MainWindowWin32, ARightClickOnTheColourBoxOffersFurtherNotationsAndCopiesTheOneChosen)
{
    MainWindowOnScreen main(std::nullopt);
    ASSERT_TRUE(main.window.Create());
    main.window.Show();
    HWND const hwnd = static_cast<HWND>(main.window.NativeHandle());
    Win32PopupMenu menu(hwnd);
    main.zhuJM.AttachShell({ .menu = &menu });
    g_menuEntries.clear();
    HHOOK const hook = SetWindowsHookExW(WH_CALLWNDPROC, ChooseSecondEntry, nullptr, GetCurrentThreadId());
    gfx::Rect const box = main.zhuJM.Controls().YSK->PixelBounds();
    LPARAM const at = MAKELPARAM(box.x + box.width / 2, box.y + box.height / 2);
    PostMessageW(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageW(hwnd, WM_RBUTTONUP, 0, at);
    PumpMessagesUntil([] { return ClipboardText() == L"rgb(255, 0, 0)"; }, std::chrono::seconds(5));
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(ClipboardText(), L"rgb(255, 0, 0)");
    std::vector<std::wstring> expected;
    for (std::string const& text : GG::CopyAsTexts(PureRed))
        expected.push_back(Widen(text));
    EXPECT_EQ(g_menuEntries, expected);
}

// Names handed to the system's objects of the native boxes, where Wine has no service to take them.
struct RecordedNames final : ChildNames {
    bool Name(void* child, std::wstring const& name) override
    {
        named[static_cast<HWND>(child)] = name;
        return true;
    }
    std::map<HWND, std::wstring> named;
};

TEST(MainWindowWin32, NativeBoxesAreNamedAfterTheirLabels)
{
    MainWindowOnScreen main(std::nullopt);
    RecordedNames names;
    main.window.SetChildNames(&names);
    ASSERT_TRUE(main.window.Create());
    main.window.Show();
    app::MainWindowControls const& c = main.zhuJM.Controls();
    auto const nameOf = [&](ui::Control const& control) {
        return names.named[static_cast<HWND>(main.window.NativeChildOf(control))];
    };
    ui::Form const& form = main.zhuJM.Form();
    std::vector<ui::Control const*> boxes { c.YSSR.begin(), c.YSSR.end() };
    boxes.insert(boxes.end(), c.MB4SRK.begin(), c.MB4SRK.end());
    boxes.push_back(c.XQK);
    for (ui::Control const* box : boxes) {
        std::string const label = ui::DescribeChild(form, ui::AccessibleChildId(form, *box)).name;
        EXPECT_FALSE(label.empty()) << box->Name();
        EXPECT_EQ(nameOf(*box), Widen(label)) << box->Name();
    }
    EXPECT_EQ(nameOf(*c.YSSR[1]), L"网页色");
    EXPECT_FALSE(names.named.count(static_cast<HWND>(main.window.NativeChildOf(*c.DXAnNiu))))
        << "a check box is named by its own text";
    // A label's new text (another skin's texts) renames its box once the window shows it.
    c.YSBQ[1]->SetText("网页");
    PumpMessagesUntil([&] { return nameOf(*c.YSSR[1]) == L"网页"; }, std::chrono::seconds(2));
    EXPECT_EQ(nameOf(*c.YSSR[1]), L"网页");
}

// The window's events for assistive technology, as a hook in this thread hears them.
std::vector<std::pair<DWORD, LONG>> g_events;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT)
        g_events.emplace_back(event, child);
}

std::wstring NameOf(IAccessible& accessible, long child)
{
    VARIANT id {};
    id.vt = VT_I4;
    id.lVal = child;
    BSTR name = nullptr;
    std::wstring text;
    if (accessible.get_accName(id, &name) == S_OK && name)
        text = name;
    SysFreeString(name);
    return text;
}

TEST(MainWindowWin32, AssistiveTechnologySeesNamedControlsAndCanPressThePickButton)
{
    ComApartment com;
    MainWindowOnScreen main(144);
    app::ZhuJM& zhuJM = main.zhuJM;
    FormWindow& window = main.window;
    ASSERT_TRUE(window.Create());
    auto* const hwnd = static_cast<HWND>(window.NativeHandle());
    int picks = 0;
    ui::AlphaImage& pick = *zhuJM.Controls().QSTBK;
    pick.OnClick = [&picks, start = pick.OnClick] {
        ++picks;
        start();
    };

    IAccessible* client = nullptr;
    ASSERT_EQ(
        AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&client)), S_OK);
    long count = 0;
    ASSERT_EQ(client->get_accChildCount(&count), S_OK);
    std::vector<VARIANT> children(static_cast<size_t>(count));
    long got = 0;
    ASSERT_EQ(AccessibleChildren(client, 0, count, children.data(), &got), S_OK);
    ASSERT_EQ(got, count);
    std::map<std::wstring, long> windowless;
    int native = 0;
    for (VARIANT& child : children) {
        // The first of a name is the one wanted: the pick button comes before the label of its hotkey.
        if (child.vt == VT_I4)
            windowless.emplace(NameOf(*client, child.lVal), child.lVal);
        else if (child.vt == VT_DISPATCH)
            ++native;
        VariantClear(&child);
    }
    // The notation boxes, the check box, the chord boxes and the combo box are the system's.
    EXPECT_EQ(native, 11);
    ASSERT_TRUE(windowless.count(L"屏幕取色"));
    ASSERT_TRUE(windowless.count(L"网页色 #FF0000"));
    ASSERT_TRUE(windowless.count(L"热键"));
    VARIANT id {};
    id.vt = VT_I4;
    id.lVal = windowless[L"屏幕取色"];
    VARIANT role {};
    ASSERT_EQ(client->get_accRole(id, &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
    VARIANT tab = id;
    tab.lVal = windowless[L"热键"];
    ASSERT_EQ(client->get_accRole(tab, &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_PAGETAB);
    // At 150 % the button's place in units is half as large again on the screen.
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(client->accLocation(&left, &top, &width, &height, id), S_OK);
    POINT corner { 0, 0 };
    ClientToScreen(hwnd, &corner);
    gfx::Rect const place = pick.UnitBounds();
    EXPECT_EQ(left - corner.x, place.x * 3 / 2);
    EXPECT_EQ(width, place.width * 3 / 2);

    // The press runs from the window's queue once the client's call has returned.
    ASSERT_EQ(client->accDoDefaultAction(id), S_OK);
    EXPECT_EQ(picks, 0);
    PumpMessagesUntil([&] { return picks > 0; }, std::chrono::seconds(5));
    EXPECT_EQ(picks, 1);

    // A new colour renames the colour box, and the reader hears of it.
    HWINEVENTHOOK const hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, RecordEvent,
        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    g_events.clear();
    zhuJM.SZYS(0xFFFF7B);
    long const box = windowless[L"网页色 #FF0000"];
    PumpMessagesUntil([&] { return !g_events.empty(); }, std::chrono::seconds(2));
    UnhookWinEvent(hook);
    EXPECT_EQ(NameOf(*client, box), L"网页色 #7BFFFF");
    EXPECT_EQ(g_events, (std::vector<std::pair<DWORD, LONG>> { { EVENT_OBJECT_NAMECHANGE, box } }));
    client->Release();
}

}

// Opened at 150 %, the window and its edits are one and a half times the skin's size and a tab
// answers at its scaled place; moved onto a 200 % monitor it takes the system's place and twice
// the skin's size.
TEST(MainWindowWin32, OpensAtItsDpiAndFollowsAMoveOntoAnotherMonitorsDpi)
{
    MainWindowOnScreen main(144);
    app::ZhuJM& zhuJM = main.zhuJM;
    FormWindow& window = main.window;
    ASSERT_TRUE(window.Create());
    HWND const handle = static_cast<HWND>(window.NativeHandle());
    ui::Form const& form = zhuJM.Form();
    auto const clientSize = [&] {
        RECT client {};
        GetClientRect(handle, &client);
        return gfx::Size { client.right, client.bottom };
    };
    auto const editPlace = [&] {
        HWND const edit = static_cast<HWND>(window.NativeChildOf(*zhuJM.Controls().YSSR[1]));
        RECT place {};
        GetWindowRect(edit, &place);
        MapWindowPoints(nullptr, handle, reinterpret_cast<POINT*>(&place), 2);
        return gfx::Rect { place.left, place.top, place.right - place.left, place.bottom - place.top };
    };
    gfx::Size const units = form.Size();
    EXPECT_EQ(clientSize(), (gfx::Size { units.width * 3 / 2, units.height * 3 / 2 }));
    gfx::Rect const box = zhuJM.Controls().YSSR[1]->PixelBounds();
    EXPECT_TRUE(box.Contains(editPlace().Location()) && editPlace().Right() <= box.Right()) << "the edit in its field";

    // The adjuster's tab: unit 12 + 2 * 77 + 37, 186.
    LPARAM const tab = MAKELPARAM(203 * 3 / 2, 186 * 3 / 2);
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, tab);
    SendMessageW(handle, WM_LBUTTONUP, 0, tab);
    EXPECT_EQ(zhuJM.CurrentPanel(), 2);

    int const heightAt144 = editPlace().height;
    RECT suggested { -1500, 100, -1500 + units.width * 2, 100 + units.height * 2 };
    // Windows sends WM_DPICHANGED during a drag onto the other monitor. The window once took its new
    // size at its old place first, and only then moved: one change, to the suggested rectangle.
    static std::vector<WINDOWPOS> changes;
    changes.clear();
    HHOOK const hook = SetWindowsHookExW(
        WH_CALLWNDPROCRET,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            auto const& sent = *reinterpret_cast<CWPRETSTRUCT const*>(lParam);
            if (code == HC_ACTION && sent.message == WM_WINDOWPOSCHANGED) {
                WINDOWPOS const& place = *reinterpret_cast<WINDOWPOS const*>(sent.lParam);
                if ((place.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
                    changes.push_back(place);
            }
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    UnhookWindowsHookEx(hook);
    std::erase_if(changes, [&](WINDOWPOS const& place) { return place.hwnd != handle; });
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ((gfx::Rect { changes[0].x, changes[0].y, changes[0].cx, changes[0].cy }),
        (gfx::Rect { -1500, 100, units.width * 2, units.height * 2 }));
    RECT outer {};
    GetWindowRect(handle, &outer);
    EXPECT_EQ((gfx::Point { outer.left, outer.top }), (gfx::Point { -1500, 100 }));
    EXPECT_EQ(clientSize(), (gfx::Size { units.width * 2, units.height * 2 }));
    EXPECT_EQ(zhuJM.Controls().YSSR[1]->PixelBounds().width, static_cast<int>(zhuJM.Controls().YSSR[1]->Width()) * 2);
    EXPECT_GT(editPlace().height, heightAt144) << "the edit's text grew with the scale";
}
