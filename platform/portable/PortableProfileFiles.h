#pragma once
// Profile files on any system with a standard C++ library: the rules of platform/ProfileFiles.h
// implemented over plain files. "\" in paths is taken as a folder separator, as Windows does.

#include "platform/CodePage.h"
#include "platform/ProfileFiles.h"

namespace platform {

class PortableProfileFiles final : public ProfileFiles {
public:
    explicit PortableProfileFiles(CodePage const& codePage);

    std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
        int bufferBytes) override;
    int ReadInt(std::string_view file, std::string_view section, std::string_view key, int defaultValue) override;
    bool WriteString(std::string_view file, std::string_view section, std::string_view key,
        std::string_view value) override;

private:
    CodePage const& m_codePage;
};

}
