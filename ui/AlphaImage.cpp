#include "ui/AlphaImage.h"

#include "gfx/ImageDecoder.h"
#include "ui/Form.h"

namespace ui {

namespace {

gfx::Image const NoPicture;

}

AlphaImage::AlphaImage(std::string name, gfx::Image builtIn)
    : Control(ControlKind::AlphaImage, std::move(name))
    , m_builtIn(std::move(builtIn))
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
    m_builtIn = std::move(picture);
    m_file.clear();
    m_fileLoaded = false;
    m_filePicture.reset();
    Changed();
}

gfx::Image const& AlphaImage::Picture() const
{
    if (!m_fileLoaded)
        return m_builtIn;
    return m_filePicture ? *m_filePicture : NoPicture;
}

void AlphaImage::Paint(gfx::Painter& painter, platform::TextRenderer&)
{
    gfx::Image const& picture = Picture();
    if (picture.IsEmpty())
        return;
    gfx::Rect const bounds = PixelBounds();
    if (bounds.Size() == picture.Size())
        painter.BlendAlpha(bounds.Location(), picture, picture.Bounds());
    else
        painter.StretchBlendAlpha(bounds, picture, picture.Bounds());
}

}
