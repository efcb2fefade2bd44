#pragma once
// Pictures decoded by the system's imaging component (WIC): it ships with Windows and is kept up
// to date with it. It sees only bytes that passed the checks in gfx/PictureGuards.h. Owns COM on
// the thread that makes it, which must be the one that decodes (the user-interface thread).

#include "gfx/ImageDecoder.h"
#include "win32/ComApartment.h"

struct IWICImagingFactory;

namespace platform::win32 {

class WicImageDecoder final : public gfx::ImageDecoder {
public:
    WicImageDecoder();
    ~WicImageDecoder() override;
    WicImageDecoder(WicImageDecoder const&) = delete;
    WicImageDecoder& operator=(WicImageDecoder const&) = delete;

    std::optional<gfx::Image> Decode(std::span<std::uint8_t const> bytes, gfx::PictureClaim claim) const override;

private:
    ComApartment m_com;
    IWICImagingFactory* m_factory = nullptr;
};

}
