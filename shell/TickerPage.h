#pragma once
// The ticker page: lines of text, the first holding the success marker "成功", each further line
// one entry "caption=========link". Whatever the page holds, the ticker has an entry to show: a
// page without the marker or without a single entry leaves it on its fallback entry, the maker's
// name with the home page (no link when the program knows no address).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

struct TickerEntry {
    std::string caption;
    // Empty when the entry has no separator; a click then opens nothing.
    std::string link;

    bool operator==(TickerEntry const&) const = default;
};

inline constexpr std::string_view TickerSeparator = "=========";

// From the page's text (UTF-8). Lines may end in CR LF or LF alone; empty lines are no entries.
// None when the page cannot be shown.
std::vector<TickerEntry> TickerEntriesOf(std::string_view pageText);
TickerEntry FallbackEntry(std::string homePage);

// Steps through the entries in turn, the first first, back to the first after the last.
class Ticker {
public:
    explicit Ticker(TickerEntry fallback = FallbackEntry({}));
    // No entries: the fallback entry alone.
    void SetEntries(std::vector<TickerEntry> entries);
    // The next entry, which is then the one shown.
    TickerEntry const& Step();
    // The entry last stepped to; none before the first step.
    TickerEntry const* Shown() const { return m_shown < m_entries.size() ? &m_entries[m_shown] : nullptr; }

private:
    TickerEntry m_fallback;
    std::vector<TickerEntry> m_entries;
    size_t m_next = 0;
    // An index, not a pointer: a ticker may be copied. Past the end before the first step.
    size_t m_shown = SIZE_MAX;
};

}
