#pragma once
// A picture that GDI and our own painting share: a 32-bit top-down DIB section selected into a
// memory DC, its pixels seen as a gfx::Image (a DIB's 0xAARRGGBB layout is the Image layout).
// The window back buffers and the text renderer's scratch area are DibImages. Opaque handles
// only, so that including this header does not bring in <windows.h>.

#include "gfx/Image.h"

#include <memory>
#include <optional>

namespace platform::win32 {

class DibImage {
public:
    // Nothing when the size is beyond gfx's image limits or GDI refuses. The pixels start as 0.
    static std::optional<DibImage> Create(int width, int height);

    DibImage(DibImage&&) noexcept;
    DibImage& operator=(DibImage&&) noexcept;
    DibImage(DibImage const&) = delete;
    DibImage& operator=(DibImage const&) = delete;
    ~DibImage();

    int Width() const { return m_image.Width(); }
    int Height() const { return m_image.Height(); }
    gfx::Size Size() const { return m_image.Size(); }

    // The pixels, after GDI has finished what it was asked to draw (GDI may batch its calls).
    gfx::Image& Pixels();
    gfx::Image const& Pixels() const;

    // The memory DC with the bitmap selected (an HDC), for GDI to draw into or copy from.
    void* DeviceContext() const;
    // The DIB section itself (an HBITMAP). It stays selected into DeviceContext().
    void* Bitmap() const;

private:
    struct Handles;
    DibImage(std::unique_ptr<Handles> handles, gfx::Image image);

    std::unique_ptr<Handles> m_handles;
    gfx::Image m_image;
};

}
