#include "ui/AlphaImage.h"

#include "gfx/ImageDecoder.h"
#include "ui/Form.h"

namespace ui {

namespace {

gfx::Image const NoPicture;

}

AlphaImage::AlphaImage(std::string name, gfx::Image builtIn)
    : Control(ControlKind::AlphaImage, std::move(name))
    , m_builtIn(std::make_shared<gfx::Image const>(std::move(builtIn)))
{
}

AlphaImage::AlphaImage(std::string name, PictureMaker builtIn)
    : Control(ControlKind::AlphaImage, std::move(name))
    , m_maker(std::move(builtIn))
{
}

bool AlphaImage::SetImageFile(std::string const& path)
{
    m_file = path;
    m_fileLoaded = true;
    if (OwningForm()) {
        m_filePicture = OwningForm()->Images().Load(path);
    } else {
        auto image = gfx::LoadImageFile(path);
        m_filePicture = image ? std::make_shared<gfx::Image const>(std::move(*image)) : nullptr;
    }
    if (m_filePicture && m_autoSize) {
        Placement place = Place();
        place.width = static_cast<float>(m_filePicture->Width());
        place.height = static_cast<float>(m_filePicture->Height());
        SetPlace(place);
    }
    Changed();
    return m_filePicture != nullptr;
}

void AlphaImage::SetBuiltInPicture(gfx::Image picture)
{
    m_builtIn = std::make_shared<gfx::Image const>(std::move(picture));
    m_maker = nullptr;
    m_made = gfx::Image();
    m_file.clear();
    m_fileLoaded = false;
    m_filePicture.reset();
    Changed();
}

void AlphaImage::SetBuiltInPicture(PictureMaker maker)
{
    m_builtIn.reset();
    m_maker = std::move(maker);
    m_made = gfx::Image();
    m_file.clear();
    m_fileLoaded = false;
    m_filePicture.reset();
    Changed();
}

gfx::Image const& AlphaImage::MadeFor(gfx::Size pixels) const
{
    if (m_made.Size() != pixels || m_madeScale != Scale()) {
        m_made = pixels.IsEmpty() ? gfx::Image() : m_maker(pixels, Scale());
        m_madeScale = Scale();
    }
    return m_made;
}

gfx::Image const& AlphaImage::Picture() const
{
    if (m_fileLoaded)
        return m_filePicture ? *m_filePicture : NoPicture;
    if (m_maker)
        return MadeFor(PixelBounds().Size());
    return m_builtIn ? *m_builtIn : NoPicture;
}

void AlphaImage::Paint(gfx::Painter& painter, platform::TextRenderer&)
{
    gfx::Rect const bounds = PixelBounds();
    std::shared_ptr<gfx::Image const> const& shared = m_fileLoaded ? m_filePicture : m_builtIn;
    gfx::Image const& picture = Picture();
    BlendFitted(painter, bounds, picture, shared);
}

}
