#pragma once
// Picture files decoded once per form: a skin shows the same frame behind ten inputs and swaps
// button pictures on every hover, and none of that should decode a file twice. Files that cannot
// be read are not remembered, so they are tried again next time. A form's pictures draw from one
// pixel budget: past it, a picture is left out as if it could not be read.

#include "gfx/Image.h"
#include "gfx/PixelBudget.h"

#include <map>
#include <memory>
#include <string>

namespace ui {

class ImageCache {
public:
    // Nothing when the file is missing or no picture.
    std::shared_ptr<gfx::Image const> Load(std::string const& path);

    // What the form's pictures, and picture boxes placed by a skin, may still take.
    gfx::PixelBudget& Budget() { return m_budget; }

private:
    gfx::PixelBudget m_budget { gfx::FormPixelBudget };
    std::map<std::string, std::shared_ptr<gfx::Image const>> m_decoded;
};

}
