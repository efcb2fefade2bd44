#pragma once
// The ticker page: lines of text, the first holding the success marker "成功", each further line
// one entry "caption=========link". Whatever the page holds, the ticker gets entries it can show:
// a page without the marker or without a single entry gives the one entry of the maker's home page.

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
std::vector<TickerEntry> TickerEntriesOf(std::string_view pageText);
std::vector<TickerEntry> FallbackTicker();

// Steps through the entries in turn, the first first, back to the first after the last.
class Ticker {
public:
    Ticker();
    void SetEntries(std::vector<TickerEntry> entries);
    // The next entry, which is then the one shown.
    TickerEntry const& Step();
    // The entry last stepped to; none before the first step.
    TickerEntry const* Shown() const { return m_shown; }

private:
    std::vector<TickerEntry> m_entries;
    size_t m_next = 0;
    TickerEntry const* m_shown = nullptr;
};

}
