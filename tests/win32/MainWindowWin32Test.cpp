// The main window in a real window under Wine: its notation boxes are edits, and a double-click
// on one puts its notation on the system clipboard under the copy-prefix option.

#include "app/MainWindow.h"
#include "contract/TempFolder.h"
#include "platform/win32/FormWindow.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32ProfileFiles.h"
#include "platform/win32/Win32TextRenderer.h"

#include <gtest/gtest.h>

#include <windows.h>

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

TEST(MainWindowWin32, DoubleClickOnANotationBoxCopiesIt)
{
    TempFolder folder;
    Win32ProfileFiles profiles;
    INIDX settings(profiles);
    settings.IniName(folder.File("path.ini"));
    Win32TextRenderer text;
    Win32Clipboard clipboard;
    app::ZhuJM zhuJM({ text, clipboard, profiles, settings, folder.File("") });
    FormWindow window(zhuJM.Form(), text, { .frameless = true, .colourKey = true, .keyColour = TransparentKeyColour,
        .position = gfx::Point { 40, 40 }, .dpi = {} });
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

}

// Opened at 150 %, the window and its edits are one and a half times the skin's size and a tab
// answers at its scaled place; moved onto a 200 % monitor it takes the system's place and twice
// the skin's size.
TEST(MainWindowWin32, OpensAtItsDpiAndFollowsAMoveOntoAnotherMonitorsDpi)
{
    TempFolder folder;
    Win32ProfileFiles profiles;
    INIDX settings(profiles);
    settings.IniName(folder.File("path.ini"));
    Win32TextRenderer text;
    Win32Clipboard clipboard;
    app::ZhuJM zhuJM({ text, clipboard, profiles, settings, folder.File("") });
    FormWindow window(zhuJM.Form(), text, { .frameless = true, .colourKey = true, .keyColour = TransparentKeyColour,
        .position = gfx::Point { 40, 40 }, .dpi = 144 });
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
    SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    RECT outer {};
    GetWindowRect(handle, &outer);
    EXPECT_EQ((gfx::Point { outer.left, outer.top }), (gfx::Point { -1500, 100 }));
    EXPECT_EQ(clientSize(), (gfx::Size { units.width * 2, units.height * 2 }));
    EXPECT_EQ(zhuJM.Controls().YSSR[1]->PixelBounds().width, static_cast<int>(zhuJM.Controls().YSSR[1]->Width()) * 2);
    EXPECT_GT(editPlace().height, heightAt144) << "the edit's text grew with the scale";
}
