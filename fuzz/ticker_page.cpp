// The maker's ticker page, as the network hands it over: whatever the bytes, the ticker has an
// entry to show and steps through them in turn, and no separator is left in a caption or a link.

#include "Check.h"
#include "shell/TickerPage.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    std::string_view const page(reinterpret_cast<char const*>(data), size);
    auto const entries = shell::TickerEntriesOf(page);
    for (auto const& entry : entries) {
        FUZZ_CHECK(entry.caption.find(shell::TickerSeparator) == std::string::npos);
        FUZZ_CHECK(entry.link.find(shell::TickerSeparator) == std::string::npos);
    }
    shell::TickerEntry const fallback = shell::FallbackEntry("http://maker.example/");
    shell::Ticker ticker(fallback);
    ticker.SetEntries(entries);
    std::size_t const shown = entries.empty() ? 1 : entries.size();
    for (std::size_t n = 0; n <= shown; ++n)
        FUZZ_CHECK(&ticker.Step() == ticker.Shown());
    FUZZ_CHECK(*ticker.Shown() == (entries.empty() ? fallback : entries.front()));
    return 0;
}
