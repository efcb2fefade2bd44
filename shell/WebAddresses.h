#pragma once
// The maker's pages the program fetches or opens, all under one base address that the program is
// given when it starts. A program given none fetches nothing and opens no link of its own.

#include <string>
#include <string_view>

namespace shell {

class WebAddresses {
public:
    // No address: every page is empty.
    WebAddresses() = default;
    // An http:// or https:// base; a trailing '/' is dropped. Anything else counts as none.
    explicit WebAddresses(std::string_view base);

    bool Known() const { return !m_base.empty(); }
    // Empty when no address is known.
    std::string TickerPage() const { return Under("/colourpicker/ticker.txt"); }
    std::string PicturePage() const { return Under("/colourpicker/picture.html"); }
    std::string HomePage() const { return Under("/"); }

private:
    std::string Under(std::string_view path) const { return Known() ? m_base + std::string(path) : std::string(); }

    std::string m_base;
};

}
