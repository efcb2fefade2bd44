#pragma once
// GDI fonts made from the program's font descriptions, each made once and kept: text is drawn and
// native controls are shown with the same fonts, so an edit box matches the label beside it.
// Internal to win32 (includes <windows.h>).

#include "platform/TextRenderer.h"
#include "win32/Handles.h"

#include <utility>
#include <vector>

namespace platform::win32 {

class FontCache {
public:
    // The font for a description: the named face (the system's message font when the name is
    // empty) at its point size for the screen's DPI, bold or not. It lives as long as the cache.
    // Null only if GDI refuses to make a font at all.
    HFONT Get(Font const& font);

private:
    OwnedFont Make(Font const& font);

    // A program uses a handful of fonts: a list searched in order is all it takes.
    std::vector<std::pair<Font, OwnedFont>> m_fonts;
};

}
