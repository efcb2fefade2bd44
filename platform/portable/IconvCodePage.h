#pragma once
// A code page served by the C library's iconv, for the native build and the tests. The default,
// CP936 (GBK), is the ANSI code page of the Chinese Windows systems the program is made for.

#include "platform/CodePage.h"

namespace platform {

class IconvCodePage final : public CodePage {
public:
    explicit IconvCodePage(std::string name = "CP936");

    std::string FromUtf8(std::string_view utf8) const override;
    std::string ToUtf8(std::string_view ansi) const override;

private:
    std::string m_name;
};

}
