// A colour list as stored in the settings file, possibly written by hand: every entry reads as a
// colour or as nothing, and adding or moving keeps the list within its rules.

#include "Check.h"
#include "lists/ColourList.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    if (size < 1)
        return 0;
    int const limit = 1 + data[0] % 36;
    lists::ColourList list(limit);
    list.SetText(std::string(reinterpret_cast<char const*>(data) + 1, size - 1));
    int const shown = list.ShownCount();
    FUZZ_CHECK(shown >= 0 && shown <= limit);
    for (int i = -1; i <= shown; ++i) {
        if (auto const colour = list.ColourAt(i))
            FUZZ_CHECK(*colour >= 0 && *colour <= 0xFFFFFF);
    }
    Colour const added = static_cast<Colour>(size * 2654435761u % 0x1000000);
    if (list.Add(added))
        FUZZ_CHECK(list.ColourAt(0) == added);
    FUZZ_CHECK(!list.Add(added));
    list.MoveForward(shown / 2);
    FUZZ_CHECK(list.ShownCount() <= limit);
    return 0;
}
