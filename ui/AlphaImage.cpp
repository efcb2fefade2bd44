#include "ui/AlphaImage.h"

#include "gfx/ImageDecoder.h"

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
    auto found = m_decoded.find(path);
    if (found == m_decoded.end()) {
        auto image = gfx::LoadImageFile(path);
        if (!image) {
            Changed();
            return false;
        }
        found = m_decoded.emplace(path, std::move(*image)).first;
    }
    if (m_autoSize) {
        Placement place = Place();
        place.width = static_cast<float>(found->second.Width());
        place.height = static_cast<float>(found->second.Height());
        SetPlace(place);
    }
    Changed();
    return true;
}

void AlphaImage::SetBuiltInPicture(gfx::Image picture)
{
    m_builtIn = std::move(picture);
    m_file.clear();
    m_fileLoaded = false;
    Changed();
}

gfx::Image const& AlphaImage::Picture() const
{
    if (!m_fileLoaded)
        return m_builtIn;
    auto const found = m_decoded.find(m_file);
    return found == m_decoded.end() ? NoPicture : found->second;
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
