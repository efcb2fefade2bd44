#include "platform/win32/Win32Clipboard.h"

#include "platform/win32/Unicode.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <utility>

namespace platform::win32 {

namespace {

constexpr int OpenAttempts = 10;
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

// Global memory for the clipboard, freed unless the system took it over.
class GlobalMemory {
public:
    explicit GlobalMemory(size_t bytes)
        : m_memory(GlobalAlloc(GMEM_MOVEABLE, bytes))
    {
    }
    ~GlobalMemory()
    {
        if (m_memory)
            GlobalFree(m_memory);
    }
    GlobalMemory(GlobalMemory const&) = delete;
    GlobalMemory& operator=(GlobalMemory const&) = delete;

    HGLOBAL Get() const { return m_memory; }
    // After a successful SetClipboardData the memory is the system's.
    void HandOver() { m_memory = nullptr; }

private:
    HGLOBAL m_memory;
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

}

Win32Clipboard::Win32Clipboard(void* ownerWindow)
    : m_owner(ownerWindow)
{
}

bool Win32Clipboard::SetText(std::string_view utf8)
{
    // The text is made before the clipboard is opened, to hold it open as briefly as possible.
    std::wstring const wide = Widen(utf8);
    size_t const bytes = (wide.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(bytes);
    if (!memory.Get())
        return false;
    {
        LockedMemory const locked(memory.Get());
        if (!locked.Data())
            return false;
        std::memcpy(locked.Data(), wide.c_str(), bytes);
    }

    OpenedClipboard const clipboard(static_cast<HWND>(m_owner));
    if (!clipboard.IsOpen() || !EmptyClipboard())
        return false;
    if (wide.empty())
        return true;
    if (!SetClipboardData(CF_UNICODETEXT, memory.Get()))
        return false;
    memory.HandOver();
    return true;
}

std::optional<std::string> Win32Clipboard::Text()
{
    OpenedClipboard const clipboard(static_cast<HWND>(m_owner));
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
