#pragma once
// Owners for the handles of the Windows layer: every bitmap, font, brush, device context, selected
// object, window, file, library and block of global memory the layer makes has exactly one of these. They cannot be
// copied, they can be moved, and each stores every handle its destructor needs (a DC is released
// to the window it came from, a selection is undone in the DC it was made in).
// Internal to win32: this header includes <windows.h>, so no other layer includes it.

#include <windows.h>

#include <utility>

// <windows.h> names its functions through macros; this one would rename TextRenderer::DrawText
// wherever both are seen. The layer calls DrawTextW by its own name.
#undef DrawText

namespace platform::win32 {

// A GDI object (bitmap, font, brush), deleted with DeleteObject. It must not be selected into a DC
// when it goes: declare a SelectedObject after the object it selects, so that it ends first.
template<typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle)
        : m_handle(handle)
    {
    }
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept
        : m_handle(std::exchange(other.m_handle, nullptr))
    {
    }
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    GdiObject(GdiObject const&) = delete;
    GdiObject& operator=(GdiObject const&) = delete;

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    void Reset()
    {
        if (m_handle)
            DeleteObject(m_handle);
        m_handle = nullptr;
    }

    Handle m_handle = nullptr;
};

using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedFont = GdiObject<HFONT>;
using OwnedBrush = GdiObject<HBRUSH>;

// A memory device context compatible with the screen, deleted with DeleteDC.
class MemoryDc {
public:
    MemoryDc()
        : m_dc(CreateCompatibleDC(nullptr))
    {
    }
    ~MemoryDc()
    {
        if (m_dc)
            DeleteDC(m_dc);
    }
    MemoryDc(MemoryDc&& other) noexcept
        : m_dc(std::exchange(other.m_dc, nullptr))
    {
    }
    MemoryDc& operator=(MemoryDc&& other) noexcept
    {
        std::swap(m_dc, other.m_dc);
        return *this;
    }
    MemoryDc(MemoryDc const&) = delete;
    MemoryDc& operator=(MemoryDc const&) = delete;

    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

// The device context of a window's client area, or of the screen for a null window; released to
// the window it came from.
class WindowDc {
public:
    explicit WindowDc(HWND window)
        : m_window(window)
        , m_dc(GetDC(window))
    {
    }
    ~WindowDc()
    {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
    }
    WindowDc(WindowDc&& other) noexcept
        : m_window(std::exchange(other.m_window, nullptr))
        , m_dc(std::exchange(other.m_dc, nullptr))
    {
    }
    WindowDc& operator=(WindowDc&& other) noexcept
    {
        std::swap(m_window, other.m_window);
        std::swap(m_dc, other.m_dc);
        return *this;
    }
    WindowDc(WindowDc const&) = delete;
    WindowDc& operator=(WindowDc const&) = delete;

    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// The painting DC of WM_PAINT: BeginPaint on construction, EndPaint with the same window and
// paint structure on destruction.
class PaintDc {
public:
    explicit PaintDc(HWND window)
        : m_window(window)
    {
        BeginPaint(m_window, &m_paint);
    }
    ~PaintDc() { EndPaint(m_window, &m_paint); }
    PaintDc(PaintDc const&) = delete;
    PaintDc& operator=(PaintDc const&) = delete;

    HDC Get() const { return m_paint.hdc; }
    RECT const& Area() const { return m_paint.rcPaint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint {};
};

// An object selected into a DC. The object it replaced goes back in when this ends, so that the
// selected object can be deleted and the DC released in the state it was handed out.
class SelectedObject {
public:
    SelectedObject() = default;
    SelectedObject(HDC dc, HGDIOBJ object)
        : m_dc(dc)
        , m_old(dc && object ? SelectObject(dc, object) : nullptr)
    {
        if (!m_old)
            m_dc = nullptr;
    }
    ~SelectedObject() { Restore(); }
    SelectedObject(SelectedObject&& other) noexcept
        : m_dc(std::exchange(other.m_dc, nullptr))
        , m_old(std::exchange(other.m_old, nullptr))
    {
    }
    SelectedObject& operator=(SelectedObject&& other) noexcept
    {
        if (this != &other) {
            Restore();
            m_dc = std::exchange(other.m_dc, nullptr);
            m_old = std::exchange(other.m_old, nullptr);
        }
        return *this;
    }
    SelectedObject(SelectedObject const&) = delete;
    SelectedObject& operator=(SelectedObject const&) = delete;

    bool Selected() const { return m_dc != nullptr; }

private:
    void Restore()
    {
        if (m_dc)
            SelectObject(m_dc, m_old);
        m_dc = nullptr;
        m_old = nullptr;
    }

    HDC m_dc = nullptr;
    HGDIOBJ m_old = nullptr;
};

// A top-level window, destroyed with it (its child windows go with it, as Windows does).
class OwnedWindow {
public:
    OwnedWindow() = default;
    explicit OwnedWindow(HWND window)
        : m_window(window)
    {
    }
    ~OwnedWindow() { Reset(); }
    OwnedWindow(OwnedWindow&& other) noexcept
        : m_window(std::exchange(other.m_window, nullptr))
    {
    }
    OwnedWindow& operator=(OwnedWindow&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_window = std::exchange(other.m_window, nullptr);
        }
        return *this;
    }
    OwnedWindow(OwnedWindow const&) = delete;
    OwnedWindow& operator=(OwnedWindow const&) = delete;

    HWND Get() const { return m_window; }
    // The window was destroyed by other means (WM_DESTROY has come): nothing is left to own.
    void Forget() { m_window = nullptr; }

private:
    void Reset()
    {
        if (m_window)
            DestroyWindow(std::exchange(m_window, nullptr));
    }

    HWND m_window = nullptr;
};

// Any other handle that one function closes. Kind names the handle type, the value that means no
// handle and the closing function:
//     struct Kind { using Handle = ...; static Handle None(); static void Close(Handle); };
template<typename Kind>
class OwnedHandle {
public:
    using Handle = typename Kind::Handle;

    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle)
        : m_handle(handle)
    {
    }
    ~OwnedHandle() { Reset(); }
    OwnedHandle(OwnedHandle&& other) noexcept
        : m_handle(std::exchange(other.m_handle, Kind::None()))
    {
    }
    OwnedHandle& operator=(OwnedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_handle, Kind::None()));
        return *this;
    }
    OwnedHandle(OwnedHandle const&) = delete;
    OwnedHandle& operator=(OwnedHandle const&) = delete;

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Kind::None(); }

    // Closes the handle held, if any, and holds the one given.
    void Reset(Handle handle = Kind::None())
    {
        if (*this)
            Kind::Close(m_handle);
        m_handle = handle;
    }
    // The handle is someone else's now (the system took it over): nothing is closed.
    Handle Release() { return std::exchange(m_handle, Kind::None()); }

private:
    Handle m_handle = Kind::None();
};

// A file (or folder) opened with CreateFileW, which answers INVALID_HANDLE_VALUE for none.
struct FileKind {
    using Handle = HANDLE;
    static Handle None() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { CloseHandle(handle); }
};
using OwnedFile = OwnedHandle<FileKind>;

// A library loaded with LoadLibraryW.
struct LibraryKind {
    using Handle = HMODULE;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { FreeLibrary(handle); }
};
using OwnedLibrary = OwnedHandle<LibraryKind>;

// Global memory, from GlobalAlloc or handed out by the system for the caller to free.
struct GlobalMemoryKind {
    using Handle = HGLOBAL;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { GlobalFree(handle); }
};
using OwnedGlobalMemory = OwnedHandle<GlobalMemoryKind>;

}
