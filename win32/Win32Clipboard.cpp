#include "win32/Win32Clipboard.h"

#include "win32/Handles.h"
#include "win32/Unicode.h"

#include <cstring>
#include <cwchar>
#include <utility>

namespace platform::win32 {

namespace {

// Clipboard viewers and managers hold it open while they read what changed; under load that takes
// longer than a moment. A quarter of a second or so.
constexpr int OpenAttempts = 25;
constexpr DWORD OpenRetryMilliseconds = 10;

// The clipboard opened for this thread, closed on destruction. Opening waits out a short hold by
// another program.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner)
    {
        for (int attempt = 0; attempt < OpenAttempts && !m_open; ++attempt) {
            if (attempt > 0)
                Sleep(OpenRetryMilliseconds);
            m_open = OpenClipboard(owner) != 0;
        }
    }
    ~OpenedClipboard()
    {
        if (m_open)
            CloseClipboard();
    }
    OpenedClipboard(OpenedClipboard const&) = delete;
    OpenedClipboard& operator=(OpenedClipboard const&) = delete;

    bool IsOpen() const { return m_open; }

private:
    bool m_open = false;
};

// Global memory locked for reading or writing, unlocked on destruction.
class LockedMemory {
public:
    explicit LockedMemory(HGLOBAL memory)
        : m_memory(memory)
        , m_data(memory ? GlobalLock(memory) : nullptr)
    {
    }
    ~LockedMemory()
    {
        if (m_data)
            GlobalUnlock(m_memory);
    }
    LockedMemory(LockedMemory const&) = delete;
    LockedMemory& operator=(LockedMemory const&) = delete;

    void* Data() const { return m_data; }
    size_t Bytes() const { return m_data ? GlobalSize(m_memory) : 0; }

private:
    HGLOBAL m_memory;
    void* m_data;
};

// Empties the clipboard as owner, then hands it the memory; with none it stays empty.
bool Offer(HWND owner, UINT format, OwnedGlobalMemory* memory)
{
    OpenedClipboard const clipboard(owner);
    if (!clipboard.IsOpen() || !EmptyClipboard())
        return false;
    if (!memory)
        return true;
    if (!SetClipboardData(format, memory->Get()))
        return false;
    // Set, the memory is the system's.
    memory->Release();
    return true;
}

}

// A hidden window of the clipboard's own owns what it sets: opened with no owner, the clipboard
// refuses data after it has been emptied, and a copy would quietly do nothing.
Win32Clipboard::Win32Clipboard() = default;

Win32Clipboard::~Win32Clipboard() = default;

bool Win32Clipboard::SetText(std::string_view utf8)
{
    // The text is made before the clipboard is opened, to hold it open as briefly as possible.
    std::wstring const wide = Widen(utf8);
    size_t const bytes = (wide.size() + 1) * sizeof(wchar_t);
    OwnedGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    {
        LockedMemory const locked(memory.Get());
        if (!locked.Data())
            return false;
        std::memcpy(locked.Data(), wide.c_str(), bytes);
    }
    return Offer(static_cast<HWND>(m_owner.Handle()), CF_UNICODETEXT, wide.empty() ? nullptr : &memory);
}

bool Win32Clipboard::SetImage(gfx::Image const& image)
{
    if (image.IsEmpty())
        return Offer(static_cast<HWND>(m_owner.Handle()), CF_DIB, nullptr);
    // A bottom-up 24-bit device-independent bitmap: what every program that pastes a picture reads.
    // Rows are padded to whole 32-bit words.
    int const width = image.Width();
    int const height = image.Height();
    size_t const stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t { 3 };
    size_t const pixelBytes = stride * static_cast<size_t>(height);
    OwnedGlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + pixelBytes));
    {
        LockedMemory const locked(memory.Get());
        if (!locked.Data())
            return false;
        BITMAPINFOHEADER header {};
        header.biSize = sizeof header;
        header.biWidth = width;
        header.biHeight = height; // positive: bottom row first
        header.biPlanes = 1;
        header.biBitCount = 24;
        header.biCompression = BI_RGB;
        header.biSizeImage = static_cast<DWORD>(pixelBytes);
        auto* const bytes = static_cast<unsigned char*>(locked.Data());
        std::memcpy(bytes, &header, sizeof header);
        unsigned char* row = bytes + sizeof header;
        for (int y = height - 1; y >= 0; --y, row += stride) {
            gfx::Pixel const* const source = image.Scanline(y);
            for (int x = 0; x < width; ++x) {
                row[x * 3] = static_cast<unsigned char>(source[x]);
                row[x * 3 + 1] = static_cast<unsigned char>(source[x] >> 8);
                row[x * 3 + 2] = static_cast<unsigned char>(source[x] >> 16);
            }
            std::memset(row + static_cast<size_t>(width) * 3, 0, stride - static_cast<size_t>(width) * 3);
        }
    }
    return Offer(static_cast<HWND>(m_owner.Handle()), CF_DIB, &memory);
}

std::optional<std::string> Win32Clipboard::Text()
{
    OpenedClipboard const clipboard(static_cast<HWND>(m_owner.Handle()));
    if (!clipboard.IsOpen())
        return std::nullopt;
    LockedMemory const locked(GetClipboardData(CF_UNICODETEXT));
    if (!locked.Data())
        return std::nullopt;
    // Another program's text need not end where its memory does, nor end at all.
    auto const* const text = static_cast<wchar_t const*>(locked.Data());
    return Narrow(std::wstring_view(text, wcsnlen(text, locked.Bytes() / sizeof(wchar_t))));
}

}
