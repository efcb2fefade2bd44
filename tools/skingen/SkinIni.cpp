#include "tools/skingen/SkinIni.h"

#include <cassert>

namespace skingen {

void SkinIni::Section(std::string_view name) { m_sections.push_back({ std::string(name), {} }); }

void SkinIni::Int(std::string_view key, int value) { Name(key, std::to_string(value)); }

void SkinIni::Name(std::string_view key, std::string_view value)
{
    assert(!m_sections.empty() && "a key needs a section first");
    m_sections.back().entries.emplace_back(std::string(key), std::string(value));
}

void SkinIni::Geometry(std::string_view prefix, gfx::Rect place)
{
    std::string const p(prefix);
    Int(p + "_L", place.x);
    Int(p + "_T", place.y);
    Int(p + "_W", place.width);
    Int(p + "_H", place.height);
}

void SkinIni::Position(std::string_view prefix, gfx::Point place)
{
    std::string const p(prefix);
    Int(p + "_L", place.x);
    Int(p + "_T", place.y);
}

std::string SkinIni::Text() const
{
    std::string text;
    for (Block const& section : m_sections) {
        if (!text.empty())
            text += "\r\n";
        text += "[" + section.name + "]\r\n";
        for (auto const& [key, value] : section.entries)
            text += key + "=" + value + "\r\n";
    }
    return text;
}

}
