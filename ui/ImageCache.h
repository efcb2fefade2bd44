#pragma once
// Picture files decoded once per form: a skin shows the same frame behind ten inputs and swaps
// button pictures on every hover, and none of that should decode a file twice. Files that cannot
// be read are not remembered, so they are tried again next time.

#include "gfx/Image.h"

#include <map>
#include <memory>
#include <string>

namespace ui {

class ImageCache {
public:
    // Nothing when the file is missing or no picture.
    std::shared_ptr<gfx::Image const> Load(std::string const& path);

private:
    std::map<std::string, std::shared_ptr<gfx::Image const>> m_decoded;
};

}
