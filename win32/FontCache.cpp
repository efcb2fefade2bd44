#include "win32/FontCache.h"

#include "win32/Unicode.h"

#include <algorithm>
#include <cwchar>

namespace platform::win32 {

namespace {

std::wstring MessageFontName()
{
    NONCLIENTMETRICSW metrics {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return {};
    return metrics.lfMessageFont.lfFaceName;
}

// Whether the font itself draws Chinese. An English system's message font does not, and where no
// font linking stands in (Wine on an English system) every Chinese text would show as boxes.
bool DrawsChinese(HFONT font)
{
    MemoryDc const dc;
    if (!dc.Get())
        return true;
    SelectedObject const selected(dc.Get(), font);
    WORD glyphs[2] {};
    DWORD const found = GetGlyphIndicesW(dc.Get(), L"色取", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    return found == GDI_ERROR || (glyphs[0] != 0xFFFF && glyphs[1] != 0xFFFF);
}

}

HFONT FontCache::Get(Font const& font)
{
    auto const found
        = std::find_if(m_fonts.begin(), m_fonts.end(), [&](auto const& entry) { return entry.first == font; });
    if (found != m_fonts.end())
        return found->second.Get();
    OwnedFont made = Make(font);
    HFONT const handle = made.Get();
    if (handle)
        m_fonts.emplace_back(font, std::move(made));
    return handle;
}

OwnedFont FontCache::Make(Font const& font)
{
    LOGFONTW description {};
    // Skin files may say anything; a font is at least one point and at most a screen high.
    int const points = std::clamp(font.pointSize, 1, 1000);
    int const dpi = std::clamp(font.dpi, 24, 960);
    description.lfHeight = -MulDiv(points, dpi, 72);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = CLEARTYPE_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    std::wstring const name = font.name.empty() ? MessageFontName() : Widen(font.name);
    // A face name longer than GDI holds is cut; GDI then picks the closest face it has.
    wcsncpy(description.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    OwnedFont made(CreateFontIndirectW(&description));
    if (!made || DrawsChinese(made.Get()))
        return made;
    // The program's texts are Chinese: then the face closest to the one asked for that has them.
    description.lfCharSet = GB2312_CHARSET;
    OwnedFont chinese(CreateFontIndirectW(&description));
    return chinese ? std::move(chinese) : std::move(made);
}

}
