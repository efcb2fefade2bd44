#include "platform/portable/IconvCodePage.h"

#include "text/Utf8Text.h"

#include <cassert>
#include <cerrno>
#include <iconv.h>

namespace platform {

namespace {

class IconvHandle {
public:
    IconvHandle(char const* to, char const* from)
        : m_handle(iconv_open(to, from))
    {
        assert(m_handle != reinterpret_cast<iconv_t>(-1) && "code page unknown to iconv");
    }
    ~IconvHandle()
    {
        if (m_handle != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_handle);
    }
    IconvHandle(IconvHandle const&) = delete;
    IconvHandle& operator=(IconvHandle const&) = delete;

    bool Valid() const { return m_handle != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return m_handle; }

private:
    iconv_t m_handle;
};

enum class OnBadInput { ReplaceCharacter, ReplaceByte };

// Converts as much as it can; an unconvertible character becomes `replacement` and the
// conversion goes on after it. An incomplete sequence at the very end is dropped.
std::string Convert(IconvHandle const& cd, std::string_view input, std::string_view replacement, OnBadInput skip)
{
    std::string output;
    if (!cd.Valid())
        return output;
    output.reserve(input.size() * 2);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        size_t const result = iconv(cd.Get(), &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<size_t>(out - buffer));
        if (result != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        if (errno == EINVAL)
            break;
        // EILSEQ: skip the bad character (or byte) and go on. A broken UTF-8 sequence is skipped
        // only as far as it is sound, so the characters after it survive.
        output.append(replacement);
        std::string_view const rest(in, inLeft);
        size_t step = skip == OnBadInput::ReplaceCharacter ? Utf8CharacterBytes(rest, 0) : 1;
        if (step > inLeft)
            step = inLeft;
        in += step;
        inLeft -= step;
    }
    iconv(cd.Get(), nullptr, nullptr, nullptr, nullptr);
    return output;
}

}

IconvCodePage::IconvCodePage(std::string name)
    : m_name(std::move(name))
{
}

std::string IconvCodePage::FromUtf8(std::string_view utf8) const
{
    IconvHandle const cd(m_name.c_str(), "UTF-8");
    std::string output;
    output.reserve(utf8.size());
    size_t at = 0;
    while (at < utf8.size()) {
        size_t end = at;
        while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) < 0x80)
            ++end;
        if (end > at) {
            output += Convert(cd, utf8.substr(at, end - at), "?", OnBadInput::ReplaceCharacter);
            at = end;
            continue;
        }
        // One character at a time beyond ASCII: some converters skip a character they cannot map
        // instead of reporting it (glibc's drops the tag characters U+E0000 to U+E007F), and it
        // must become "?" all the same. A cut sequence at the very end is dropped.
        end = at + Utf8CharacterBytes(utf8, at);
        if (IsWholeUtf8Character(utf8, at)) {
            std::string const converted = Convert(cd, utf8.substr(at, end - at), "?", OnBadInput::ReplaceCharacter);
            output += converted.empty() ? std::string("?") : converted;
        } else if (end < utf8.size()) {
            output += '?';
        }
        at = end;
    }
    return output;
}

std::string IconvCodePage::ToUtf8(std::string_view ansi) const
{
    IconvHandle const cd("UTF-8", m_name.c_str());
    return Convert(cd, ansi, "\xEF\xBF\xBD", OnBadInput::ReplaceByte);
}

}
