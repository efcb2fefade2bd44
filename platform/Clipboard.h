#pragma once
// The system clipboard. Another program may hold it for a moment; an implementation retries
// briefly and then gives up quietly, reporting false.

#include "gfx/Image.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Each empties the clipboard, then offers what it is given (an empty text or picture leaves
    // it empty).
    virtual bool SetText(std::string_view utf8) = 0;
    virtual bool SetImage(gfx::Image const& image) = 0;
    virtual std::optional<std::string> Text() = 0;
};

}
