#include "ui/ImageCache.h"

#include "gfx/ImageDecoder.h"
#include "gfx/Resample.h"

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

std::shared_ptr<gfx::Image const> ImageCache::Scaled(std::shared_ptr<gfx::Image const> const& picture, gfx::Size size)
{
    if (!picture || picture->IsEmpty() || size.IsEmpty())
        return nullptr;
    auto const key = std::tuple { picture.get(), size.width, size.height };
    // The caller holds the picture, so a live entry under its address is its own copy; a gone
    // picture whose address a new one took leaves an expired entry.
    if (auto const found = m_scaled.find(key); found != m_scaled.end() && !found->second.picture.expired())
        return found->second.copy;
    DropScaledCopiesOfGonePictures();
    auto copy = ResampledWithinBudget(*picture, size);
    if (!copy)
        return nullptr;
    std::int64_t const pixels = std::int64_t { size.width } * size.height;
    auto shared = std::make_shared<gfx::Image const>(std::move(*copy));
    m_scaled.emplace(key, ScaledCopy { picture, shared, pixels });
    return shared;
}

std::optional<gfx::Image> ImageCache::ResampledWithinBudget(gfx::Image const& picture, gfx::Size size)
{
    if (picture.IsEmpty() || size.IsEmpty())
        return std::nullopt;
    std::int64_t const pixels = std::int64_t { size.width } * size.height;
    std::int64_t const work = gfx::ResampleWorkPixels(picture.Size(), size);
    if (!m_budget.Take(pixels + work))
        return std::nullopt;
    auto copy = gfx::Resampled(picture, picture.Bounds(), size);
    m_budget.Give(copy ? work : pixels + work);
    return copy;
}

void ImageCache::DropScaledCopies()
{
    for (auto const& [key, scaled] : m_scaled)
        m_budget.Give(scaled.charge);
    m_scaled.clear();
}

void ImageCache::DropScaledCopiesOfGonePictures()
{
    for (auto it = m_scaled.begin(); it != m_scaled.end();) {
        if (it->second.picture.expired()) {
            m_budget.Give(it->second.charge);
            it = m_scaled.erase(it);
        } else {
            ++it;
        }
    }
}

}
