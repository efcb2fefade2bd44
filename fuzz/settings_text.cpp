// The settings text as a stranger may have edited it: any bytes decode, and those judged to come
// back unchanged do; reading any name from any text, and a value written with names the store
// accepts reads back as the profile rules say, or, in the form the store writes it, exactly as
// written.

#include "Check.h"
#include "platform/portable/IniEncoding.h"
#include "platform/portable/IniText.h"
#include "shell/IniStore.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// What the settings store lets through to a write (shell/IniStore.cpp).
bool StoreAccepts(std::string_view section, std::string_view key, std::string_view value)
{
    for (std::string_view text : { section, key, value }) {
        if (text.find_first_of("\r\n") != std::string_view::npos)
            return false;
    }
    return section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos
        && !Trim(section).empty() && !Trim(key).empty() && Trim(key).front() != '[';
}

}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    using namespace platform::ini;
    FuzzedDataProvider input(data, size);
    std::string const section = input.ConsumeRandomLengthString(16);
    std::string const key = input.ConsumeRandomLengthString(16);
    std::string const value = input.ConsumeRandomLengthString(32);
    auto const encoding = input.ConsumeBool() ? Encoding::Utf8 : Encoding::CodePage;
    std::string const text = input.ConsumeRemainingBytesAsString();

    auto const decoded = DecodeFile(text);
    if (decoded.exact)
        FUZZ_CHECK(EncodeFile(decoded.text, decoded.encoding) == text);

    FindValue(text, section, key, encoding);
    ParseLeadingInt(text);
    if (!StoreAccepts(section, key, value))
        return 0;

    std::string const written = SetValue(text, section, key, value, encoding);
    auto const read = FindValue(written, section, key, encoding);
    FUZZ_CHECK(read);
    std::string_view expected = Trim(value);
    if (expected.size() >= 2 && (expected.front() == '"' || expected.front() == '\'') && expected.back() == expected.front())
        expected = expected.substr(1, expected.size() - 2);
    FUZZ_CHECK(*read == expected);

    // The value found is a view into the text it was found in, which must outlive it.
    std::string const rewritten = SetValue(text, section, key, ValueAsStored(value), encoding);
    auto const stored = FindValue(rewritten, section, key, encoding);
    FUZZ_CHECK(stored && *stored == value);
    return 0;
}
