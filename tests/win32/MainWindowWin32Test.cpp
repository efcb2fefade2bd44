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
