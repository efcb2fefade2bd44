// Conversion between UTF-8 and the Chinese code page with any bytes in either direction: the UTF-8
// that comes out is always sound, and sound text that GBK can hold survives the round trip.

#include "Check.h"
#include "platform/portable/IconvCodePage.h"
#include "text/Utf8Text.h"

#include <string>

namespace {

bool IsSoundUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); at += platform::Utf8CharacterBytes(text, at)) {
        if (!platform::IsWholeUtf8Character(text, at))
            return false;
    }
    return true;
}

}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    static platform::IconvCodePage const gbk;
    std::string_view const bytes(reinterpret_cast<char const*>(data), size);

    std::string const utf8 = gbk.ToUtf8(bytes);
    FUZZ_CHECK(IsSoundUtf8(utf8));
    // What came out of the code page goes back into it and out again the same (bytes that were
    // no character came out as U+FFFD, which the code page cannot hold).
    if (utf8.find("\xEF\xBF\xBD") == std::string::npos)
        FUZZ_CHECK(gbk.ToUtf8(gbk.FromUtf8(utf8)) == utf8);

    std::string const ansi = gbk.FromUtf8(bytes);
    FUZZ_CHECK(IsSoundUtf8(gbk.ToUtf8(ansi)));
    if (IsSoundUtf8(bytes) && bytes.find('?') == std::string_view::npos && ansi.find('?') == std::string::npos)
        FUZZ_CHECK(gbk.ToUtf8(ansi) == bytes);
    return 0;
}
