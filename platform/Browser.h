#pragma once
// Opening a web page in the user's default browser. Links come from a fetched page, so they are
// checked here, once for every implementation: only http:// and https:// links are opened, never
// a program, a file or a script that a hostile page could name.

#include <string_view>

namespace platform {

// An http:// or https:// link (scheme in any case) with something after it and no control
// characters.
bool IsWebLink(std::string_view link);

class Browser {
public:
    virtual ~Browser() = default;
    // False when the link is refused or the system could not open it.
    bool Open(std::string_view link) { return IsWebLink(link) && OpenWebLink(link); }

protected:
    virtual bool OpenWebLink(std::string_view link) = 0;
};

inline bool IsWebLink(std::string_view link)
{
    auto startsWith = [link](std::string_view scheme) {
        if (link.size() <= scheme.size())
            return false;
        for (size_t i = 0; i < scheme.size(); ++i) {
            char c = link[i];
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            if (c != scheme[i])
                return false;
        }
        return true;
    };
    if (!startsWith("http://") && !startsWith("https://"))
        return false;
    for (char const c : link) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    }
    return true;
}

}
