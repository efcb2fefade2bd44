#pragma once
// Picture files decoded once per form: a skin shows the same frame behind ten inputs and swaps
// button pictures on every hover, and none of that should decode a file twice. Files that cannot
// be read are not remembered, so they are tried again next time. A form's pictures draw from one
// pixel budget: past it, a picture is left out as if it could not be read.
//
// On a scaled screen a picture is shown through a copy resampled to the size it is shown at,
// made once per picture and size and shared by every control that shows it so; the copies, and
// the memory a resample holds while it runs, are charged to the same budget, and the copies given
// back when the scale changes.

#include "gfx/Image.h"
#include "gfx/PixelBudget.h"

#include <cstdint>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <tuple>

namespace ui {

class ImageCache {
public:
    // Nothing when the file is missing or no picture.
    std::shared_ptr<gfx::Image const> Load(std::string const& path);

    // The picture resampled to size; nothing when the budget cannot pay for it (the caller
    // then draws the picture stretched as it is).
    std::shared_ptr<gfx::Image const> Scaled(std::shared_ptr<gfx::Image const> const& picture, gfx::Size size);
    void DropScaledCopies();
    // The picture resampled to size, its pixels taken from the budget, which also lends what the
    // resample holds while it runs; nothing when the budget cannot pay (or the memory cannot be
    // had). Whoever drops the copy gives its pixels back.
    std::optional<gfx::Image> ResampledWithinBudget(gfx::Image const& picture, gfx::Size size);

    // What the form's pictures, and picture boxes placed by a skin, may still take.
    gfx::PixelBudget& Budget() { return m_budget; }

private:
    struct ScaledCopy {
        // The copy is only good while its picture lives: a new picture may take the old one's
        // address.
        std::weak_ptr<gfx::Image const> picture;
        std::shared_ptr<gfx::Image const> copy;
        std::int64_t charge = 0;
    };
    void DropScaledCopiesOfGonePictures();

    gfx::PixelBudget m_budget { gfx::FormPixelBudget };
    std::map<std::string, std::shared_ptr<gfx::Image const>> m_decoded;
    std::map<std::tuple<gfx::Image const*, int, int>, ScaledCopy> m_scaled;
};

}
