#pragma once
// One colour list as the settings file keeps it: "&H" entries joined by ",", newest first, each
// colour at most once, at most `limit` entries shown. The text is the list: an entry the program
// cannot read (typed by hand, empty between two commas) stays in it untouched, is shown as an
// empty slot and is never chosen. Pure text operations; showing and saving are the owner's.

#include "colour/Colour.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lists {

class ColourList {
public:
    explicit ColourList(int limit)
        : m_limit(limit)
    {
    }

    int Limit() const { return m_limit; }
    std::string const& Text() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }

    // The entries shown: the first `limit` of the text, which may hold more when edited by hand.
    int ShownCount() const;
    // The colour of entry `index`; nothing for an entry that is no "&H" colour or beyond the end.
    std::optional<Colour> ColourAt(int index) const;

    // Puts the colour in front. A list with fewer than `limit` entries grows by one; a full one
    // (or a longer one written by hand) keeps its length and loses its last entry. False, and
    // nothing changes, for a value that is no colour and for an entry already there, compared
    // as whole entries without regard to letter case.
    bool Add(Colour colour);
    // Exchanges entry `index` with the one before it. False for the first entry and for an index
    // beyond the shown entries.
    bool MoveForward(int index);

private:
    std::vector<std::string> Entries() const;
    void Join(std::vector<std::string> const& entries);

    int m_limit;
    std::string m_text;
};

// The colour of one "&H" entry: "&H" (either case) and one or more hexadecimal digits up to
// FFFFFF; nothing for anything else.
std::optional<Colour> EntryColour(std::string_view entry);

}
