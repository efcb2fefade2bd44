// The real clipboard: text in and out, Chinese included, and a clipboard held by someone else.

#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clipboard.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <future>
#include <thread>

using namespace platform::win32;

namespace {

// What another program sees: the UTF-16 text, read without our class.
std::wstring SystemText(UINT format = CF_UNICODETEXT)
{
    if (!OpenClipboard(nullptr))
        return L"<busy>";
    std::wstring text = L"<none>";
    if (HANDLE const data = GetClipboardData(format)) {
        void const* const locked = GlobalLock(data);
        if (format == CF_UNICODETEXT)
            text = static_cast<wchar_t const*>(locked);
        else
            text = Widen(Utf8FromAnsi(static_cast<char const*>(locked)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Another thread holding the clipboard open through a window of its own, until released.
class ClipboardHolder {
public:
    ClipboardHolder()
    {
        std::promise<bool> opened;
        std::future<bool> isOpen = opened.get_future();
        m_thread = std::thread([this, &opened] {
            HWND const window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                GetModuleHandleW(nullptr), nullptr);
            bool const open = window && OpenClipboard(window);
            opened.set_value(open);
            m_release.get_future().wait();
            if (open)
                CloseClipboard();
            if (window)
                DestroyWindow(window);
        });
        m_open = isOpen.get();
    }
    ~ClipboardHolder() { Release(); }
    ClipboardHolder(ClipboardHolder const&) = delete;
    ClipboardHolder& operator=(ClipboardHolder const&) = delete;

    bool Open() const { return m_open; }
    void Release()
    {
        if (m_thread.joinable()) {
            m_release.set_value();
            m_thread.join();
        }
    }

private:
    std::promise<void> m_release;
    std::thread m_thread;
    bool m_open = false;
};

}

TEST(Win32Clipboard, TextGoesInAndComesOutExactly)
{
    Win32Clipboard clipboard;
    ASSERT_TRUE(clipboard.SetText("#7BFFFF"));
    EXPECT_EQ(SystemText(), L"#7BFFFF");
    EXPECT_EQ(clipboard.Text(), "#7BFFFF");

    std::string const chinese = "取色器 123,255,255 颜色";
    ASSERT_TRUE(clipboard.SetText(chinese));
    EXPECT_EQ(SystemText(), Widen(chinese));
    EXPECT_EQ(clipboard.Text(), chinese);
    // Programs that ask for ANSI text get it in the system's code page.
    EXPECT_EQ(SystemText(CF_TEXT), Widen(chinese));
}

TEST(Win32Clipboard, EmptyTextLeavesTheClipboardEmpty)
{
    Win32Clipboard clipboard;
    ASSERT_TRUE(clipboard.SetText("something"));
    EXPECT_TRUE(clipboard.SetText(""));
    EXPECT_EQ(SystemText(), L"<none>");
    EXPECT_EQ(clipboard.Text(), std::nullopt);
}

TEST(Win32Clipboard, GivesUpQuicklyWhileAnotherHoldsItAndWorksAfterwards)
{
    Win32Clipboard clipboard;
    ASSERT_TRUE(clipboard.SetText("before"));
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Open());

    auto const start = std::chrono::steady_clock::now();
    EXPECT_FALSE(clipboard.SetText("while held"));
    EXPECT_EQ(clipboard.Text(), std::nullopt);
    auto const waited = std::chrono::steady_clock::now() - start;
    // Two attempts of about a tenth of a second each: it gave up instead of waiting on.
    EXPECT_LT(waited, std::chrono::milliseconds(1000));
    EXPECT_GE(waited, std::chrono::milliseconds(100));

    holder.Release();
    EXPECT_EQ(clipboard.Text(), "before");
    EXPECT_TRUE(clipboard.SetText("after"));
    EXPECT_EQ(SystemText(), L"after");
}
