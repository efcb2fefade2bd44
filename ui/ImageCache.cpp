#include "ui/ImageCache.h"

#include "gfx/ImageDecoder.h"

namespace ui {

std::shared_ptr<gfx::Image const> ImageCache::Load(std::string const& path)
{
    if (auto const found = m_decoded.find(path); found != m_decoded.end())
        return found->second;
    auto image = gfx::LoadImageFile(path, &m_budget);
    if (!image)
        return nullptr;
    auto shared = std::make_shared<gfx::Image const>(std::move(*image));
    m_decoded.emplace(path, shared);
    return shared;
}

}
