#include "win32/WicImageDecoder.h"

#include "win32/ComRef.h"

#include <windows.h>
#include <wincodec.h>

#include <utility>

namespace platform::win32 {

WicImageDecoder::WicImageDecoder()
{
    if (m_com.Usable())
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&m_factory));
}

WicImageDecoder::~WicImageDecoder()
{
    if (m_factory)
        m_factory->Release();
}

std::optional<gfx::Image> WicImageDecoder::Decode(std::span<std::uint8_t const> bytes, gfx::PictureClaim claim) const
{
    if (!m_factory)
        return std::nullopt;
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICFormatConverter> converter;
    // WIC only reads from the memory it is given, whatever the missing const says.
    if (FAILED(m_factory->CreateStream(stream.Out()))
        || FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size())))
        || FAILED(m_factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
            decoder.Out()))
        || FAILED(decoder->GetFrame(0, frame.Out())))
        return std::nullopt;

    UINT width = 0;
    UINT height = 0;
    if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0
        || width > static_cast<UINT>(claim.width) || height > static_cast<UINT>(claim.height))
        return std::nullopt;
    auto image = gfx::Image::Create(static_cast<int>(width), static_cast<int>(height));
    if (!image)
        return std::nullopt;
    // Straight alpha in B, G, R, A order: our own pixel layout.
    UINT const stride = static_cast<UINT>(image->Stride()) * 4;
    if (FAILED(m_factory->CreateFormatConverter(converter.Out()))
        || FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
            0.0, WICBitmapPaletteTypeCustom))
        || FAILED(converter->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(image->Scanline(0)))))
        return std::nullopt;
    return image;
}

}
