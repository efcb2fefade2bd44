#pragma once
// The system clipboard. Another program may hold it for a moment; an implementation retries
// briefly and then gives up quietly, reporting false.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Empties the clipboard, then offers the text (an empty text leaves it empty).
    virtual bool SetText(std::string_view utf8) = 0;
    virtual std::optional<std::string> Text() = 0;
};

}
