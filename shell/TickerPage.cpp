#include "shell/TickerPage.h"

namespace shell {

namespace {

constexpr std::string_view SuccessMarker = "成功";

}

std::vector<TickerEntry> TickerEntriesOf(std::string_view pageText)
{
    std::vector<TickerEntry> entries;
    bool first = true;
    while (!pageText.empty()) {
        size_t const end = pageText.find('\n');
        std::string_view line = pageText.substr(0, end);
        pageText = end == std::string_view::npos ? std::string_view() : pageText.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (first) {
            // The marker line says the server answered with the list; it is never shown.
            if (line.find(SuccessMarker) == std::string_view::npos)
                return {};
            first = false;
            continue;
        }
        if (line.empty())
            continue;
        // Text and link are the first two fields between separators; a further separator ends
        // the link rather than becoming part of an address no browser would open.
        size_t const separator = line.find(TickerSeparator);
        if (separator == std::string_view::npos) {
            entries.push_back({ std::string(line), {} });
            continue;
        }
        std::string_view const rest = line.substr(separator + TickerSeparator.size());
        entries.push_back({ std::string(line.substr(0, separator)), std::string(rest.substr(0, rest.find(TickerSeparator))) });
    }
    return entries;
}

TickerEntry FallbackEntry(std::string homePage) { return { "Brindle软件工作室", std::move(homePage) }; }

Ticker::Ticker(TickerEntry fallback)
    : m_fallback(std::move(fallback))
    , m_entries { m_fallback }
{
}

void Ticker::SetEntries(std::vector<TickerEntry> entries)
{
    m_entries = entries.empty() ? std::vector<TickerEntry> { m_fallback } : std::move(entries);
    m_next = 0;
    m_shown = SIZE_MAX;
}

TickerEntry const& Ticker::Step()
{
    m_shown = m_next;
    m_next = (m_next + 1) % m_entries.size();
    return m_entries[m_shown];
}

}
