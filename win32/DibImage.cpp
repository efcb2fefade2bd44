#include "win32/DibImage.h"

#include "win32/Handles.h"

namespace platform::win32 {

// Declared in this order so that the bitmap is deselected before it is deleted, and deleted
// before its DC.
struct DibImage::Handles {
    MemoryDc dc;
    OwnedBitmap bitmap;
    SelectedObject selection;
};

DibImage::DibImage(std::unique_ptr<Handles> handles, gfx::Image image)
    : m_handles(std::move(handles))
    , m_image(std::move(image))
{
}

DibImage::DibImage(DibImage&&) noexcept = default;
DibImage& DibImage::operator=(DibImage&&) noexcept = default;
DibImage::~DibImage() = default;

std::optional<DibImage> DibImage::Create(int width, int height)
{
    if (!gfx::FitsImageLimits(width, height))
        return std::nullopt;
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // negative: top row first, as gfx::Image has it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    auto handles = std::make_unique<Handles>();
    if (!handles->dc.Get())
        return std::nullopt;
    void* bits = nullptr;
    handles->bitmap = OwnedBitmap(CreateDIBSection(handles->dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!handles->bitmap || !bits)
        return std::nullopt;
    handles->selection = SelectedObject(handles->dc.Get(), handles->bitmap.Get());
    if (!handles->selection.Selected())
        return std::nullopt;
    // 32-bit rows need no padding: the stride is the width.
    gfx::Image image = gfx::Image::Wrap(static_cast<gfx::Pixel*>(bits), width, height, width);
    return DibImage(std::move(handles), std::move(image));
}

gfx::Image& DibImage::Pixels()
{
    GdiFlush();
    return m_image;
}

gfx::Image const& DibImage::Pixels() const
{
    GdiFlush();
    return m_image;
}

// A moved-from DibImage has no handles left.
void* DibImage::DeviceContext() const { return m_handles ? m_handles->dc.Get() : nullptr; }

void* DibImage::Bitmap() const { return m_handles ? m_handles->bitmap.Get() : nullptr; }

}
