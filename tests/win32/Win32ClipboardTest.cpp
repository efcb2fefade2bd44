// The real clipboard: text in and out, Chinese included, and a clipboard held by someone else.

#include "win32/Unicode.h"
#include "win32/Win32Clipboard.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstring>
#include <future>
#include <thread>
#include <vector>

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
            text = Widen(Utf8FromCodePage(CP_ACP, static_cast<char const*>(locked)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// The picture on the clipboard as a program that pastes reads it: the CF_DIB, row by row as its
// header says, one 0xRRGGBB value a pixel, top row first.
std::vector<std::vector<std::uint32_t>> SystemPicture()
{
    std::vector<std::vector<std::uint32_t>> rows;
    if (!OpenClipboard(nullptr))
        return rows;
    if (HANDLE const data = GetClipboardData(CF_DIB)) {
        auto const* bytes = static_cast<unsigned char const*>(GlobalLock(data));
        BITMAPINFOHEADER header;
        std::memcpy(&header, bytes, sizeof header);
        int const bytesPerPixel = header.biBitCount / 8;
        int const height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
        size_t const stride = (static_cast<size_t>(header.biWidth) * bytesPerPixel + 3) & ~size_t { 3 };
        if (header.biCompression == BI_RGB && (bytesPerPixel == 3 || bytesPerPixel == 4)) {
            for (int y = 0; y < height; ++y) {
                int const stored = header.biHeight > 0 ? height - 1 - y : y;
                unsigned char const* row = bytes + header.biSize + stride * stored;
                auto& out = rows.emplace_back();
                for (int x = 0; x < header.biWidth; ++x, row += bytesPerPixel)
                    out.push_back(std::uint32_t { row[2] } << 16 | std::uint32_t { row[1] } << 8 | row[0]);
            }
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return rows;
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
    // Two attempts of about a quarter of a second each: it gave up instead of waiting on.
    EXPECT_LT(waited, std::chrono::milliseconds(1000));
    EXPECT_GE(waited, std::chrono::milliseconds(100));

    holder.Release();
    EXPECT_EQ(clipboard.Text(), "before");
    EXPECT_TRUE(clipboard.SetText("after"));
    EXPECT_EQ(SystemText(), L"after");
}

// A copy used to open the clipboard with no owner; Windows then refuses the data after emptying it.
TEST(Win32Clipboard, CopiesAsTheOwnerOfTheClipboard)
{
    Win32Clipboard clipboard;
    ASSERT_TRUE(clipboard.SetText("owned"));
    HWND const owner = GetClipboardOwner();
    EXPECT_NE(owner, nullptr);
    // A window of the clipboard's own, of this process.
    DWORD process = 0;
    GetWindowThreadProcessId(owner, &process);
    EXPECT_EQ(process, GetCurrentProcessId());
}

TEST(Win32Clipboard, PictureGoesInAsABitmapAndReplacesTheText)
{
    Win32Clipboard clipboard;
    ASSERT_TRUE(clipboard.SetText("text first"));
    // Three pixels wide, so that rows need padding; alpha does not reach the clipboard.
    auto picture = gfx::Image::Create(3, 2);
    ASSERT_TRUE(picture);
    picture->SetPixel(0, 0, 0xFF102030);
    picture->SetPixel(1, 0, 0x80FF0000);
    picture->SetPixel(2, 0, 0xFF00FF00);
    picture->SetPixel(0, 1, 0xFF0000FF);
    picture->SetPixel(1, 1, 0xFFFFFFFF);
    picture->SetPixel(2, 1, 0x00ABCDEF);
    ASSERT_TRUE(clipboard.SetImage(*picture));

    EXPECT_EQ(SystemPicture(), (std::vector<std::vector<std::uint32_t>> {
                                   { 0x102030, 0xFF0000, 0x00FF00 }, { 0x0000FF, 0xFFFFFF, 0xABCDEF } }));
    EXPECT_EQ(clipboard.Text(), std::nullopt);
    EXPECT_EQ(SystemText(), L"<none>");
}
