#include "lists/ColourList.h"

#include "colour/Notations.h"

#include <algorithm>
#include <cctype>

namespace lists {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}

std::optional<Colour> EntryColour(std::string_view entry)
{
    if (entry.size() < 3 || entry[0] != '&' || (entry[1] != 'H' && entry[1] != 'h'))
        return std::nullopt;
    Colour value = 0;
    for (char c : entry.substr(2)) {
        int const digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        // Checked at every digit, so any number of leading zeros is fine and no digit overflows.
        value = value * 16 + digit;
        if (value > MaxColour)
            return std::nullopt;
    }
    return value;
}

std::vector<std::string> ColourList::Entries() const
{
    std::vector<std::string> entries;
    if (m_text.empty())
        return entries;
    size_t start = 0;
    for (;;) {
        size_t const comma = m_text.find(',', start);
        entries.emplace_back(m_text.substr(start, comma - start));
        if (comma == std::string::npos)
            return entries;
        start = comma + 1;
    }
}

void ColourList::Join(std::vector<std::string> const& entries)
{
    std::string text;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            text += ',';
        text += entries[i];
    }
    m_text = std::move(text);
}

int ColourList::ShownCount() const
{
    if (m_text.empty())
        return 0;
    auto const entries = 1 + std::count(m_text.begin(), m_text.end(), ',');
    return static_cast<int>(std::min<std::ptrdiff_t>(entries, m_limit));
}

std::optional<Colour> ColourList::ColourAt(int index) const
{
    if (index < 0 || index >= ShownCount())
        return std::nullopt;
    return EntryColour(Entries()[static_cast<size_t>(index)]);
}

bool ColourList::Add(Colour colour)
{
    // A value that is no colour (a point read outside a picture) would be written as "&HFFFFFFFF".
    if (!IsValidColour(colour))
        return false;
    std::string const entry = GG::HexText(static_cast<std::int16_t>(RedOf(colour)),
        static_cast<std::int16_t>(GreenOf(colour)), static_cast<std::int16_t>(BlueOf(colour)));
    std::vector<std::string> entries = Entries();
    if (std::any_of(entries.begin(), entries.end(), [&](std::string const& e) { return SameIgnoringCase(e, entry); }))
        return false;
    if (static_cast<int>(entries.size()) < m_limit)
        entries.emplace_back();
    std::rotate(entries.rbegin(), entries.rbegin() + 1, entries.rend());
    entries.front() = entry;
    Join(entries);
    return true;
}

bool ColourList::MoveForward(int index)
{
    if (index <= 0 || index >= ShownCount())
        return false;
    std::vector<std::string> entries = Entries();
    std::swap(entries[static_cast<size_t>(index)], entries[static_cast<size_t>(index) - 1]);
    Join(entries);
    return true;
}

}
