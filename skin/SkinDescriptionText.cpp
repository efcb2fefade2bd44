#include "skin/SkinDescriptionText.h"

#include "skin/SkinKeys.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <cmath>

namespace skin {

namespace {

bool SameSection(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

class Writer {
public:
    // A key goes under the current section when the section's name matches in any case, as the
    // reader matches it: the header's "toubu" images stay in the "TouBu" block.
    void Key(std::string_view section, std::string const& key, std::string const& value)
    {
        if (!m_hasSection || !SameSection(section, m_section)) {
            if (m_hasSection)
                m_text += "\r\n";
            m_text += "[" + std::string(section) + "]\r\n";
            m_section = section;
            m_hasSection = true;
        }
        m_text += key + "=" + value + "\r\n";
    }

    std::string Take() { return std::move(m_text); }

private:
    std::string m_text;
    std::string_view m_section;
    bool m_hasSection = false;
};

}

std::string SkinDescriptionText(SkinDescription const& description)
{
    Writer writer;
    ForEachSkinValue(
        description,
        [&](std::string_view section, std::string const& key, auto const& number) {
            writer.Key(section, key, std::to_string(static_cast<int>(std::lround(number))));
        },
        [&](std::string_view section, std::string const& key, std::string const& name, int bytes) {
            assert(static_cast<int>(name.size()) < bytes && "the reader would cut this name");
            assert(std::ranges::all_of(name, [](char c) { return c >= 0x20 && c < 0x7F; }) && "not plain ASCII");
            (void)bytes;
            writer.Key(section, key, name);
        });
    return writer.Take();
}

}
