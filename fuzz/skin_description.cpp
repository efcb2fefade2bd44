// A skin description (shizhi.ini) from anyone: every value read and every swatch placed.

#include "Check.h"
#include "platform/portable/IniText.h"
#include "shell/IniStore.h"
#include "skin/SkinDescription.h"

#include <map>
#include <optional>
#include <string>

namespace {

// The profile functions over one text in memory, without files, as fast as the fuzzer needs.
class TextProfile final : public platform::ProfileFiles {
public:
    explicit TextProfile(std::string text)
        : m_text(std::move(text))
    {
    }

    std::string ReadString(std::string_view, std::string_view section, std::string_view key, int bufferBytes) override
    {
        auto const value = Find(section, key);
        if (!value || bufferBytes <= 0)
            return {};
        // The bytes as they are: the conversion has a target of its own, and converting here
        // would make each run a hundred times slower.
        return std::string(value->substr(0, static_cast<std::size_t>(bufferBytes) - 1));
    }

    int ReadInt(std::string_view, std::string_view section, std::string_view key, int defaultValue) override
    {
        auto const value = Find(section, key);
        return !value || value->empty() ? defaultValue : platform::ini::ParseLeadingInt(*value);
    }

    bool WriteString(std::string_view, std::string_view, std::string_view, std::string_view) override { return false; }

private:
    // The store reads a number twice (to tell a missing key from a 0): look each name up once.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key)
    {
        std::string name = std::string(section) + '\0' + std::string(key);
        auto found = m_found.find(name);
        if (found == m_found.end())
            found = m_found.emplace(std::move(name), platform::ini::FindValue(m_text, section, key)).first;
        return found->second;
    }

    std::string m_text;
    std::map<std::string, std::optional<std::string_view>> m_found;
};

}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    TextProfile files(std::string(reinterpret_cast<char const*>(data), size));
    INIDX ini(files);
    ini.IniName("shizhi.ini");
    skin::SkinDescription const skin = skin::ReadSkinDescription(ini);
    for (skin::SwatchGrid const* grid : { &skin.recentGrid, &skin.savedGrid }) {
        for (int index = 0; index < 36; ++index) {
            if (auto const place = skin::SwatchPlaceOf(*grid, index))
                FUZZ_CHECK(place->left >= -32768 && place->left <= 32767 && place->top >= -32768 && place->top <= 32767);
        }
    }
    return 0;
}
