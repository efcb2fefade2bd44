#pragma once
// Writes a skin description file: sections of keys in the order they are added, CR LF line ends,
// plain ASCII (the program reads it in the system's code page, which agrees with ASCII only).

#include "gfx/Geometry.h"

#include <string>
#include <string_view>
#include <vector>

namespace skingen {

class SkinIni {
public:
    // Later keys go into this section.
    void Section(std::string_view name);
    void Int(std::string_view key, int value);
    void Name(std::string_view key, std::string_view value);
    // prefix_L, prefix_T, prefix_W, prefix_H.
    void Geometry(std::string_view prefix, gfx::Rect place);
    // prefix_L, prefix_T.
    void Position(std::string_view prefix, gfx::Point place);

    std::string Text() const;

private:
    struct Block {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    std::vector<Block> m_sections;
};

}
