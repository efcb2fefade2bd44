#pragma once
// Profile files through the system's own private-profile functions, in the ANSI code page.

#include "platform/ProfileFiles.h"

namespace platform::win32 {

class Win32ProfileFiles final : public ProfileFiles {
public:
    std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
        int bufferBytes) override;
    int ReadInt(std::string_view file, std::string_view section, std::string_view key, int defaultValue) override;
    bool WriteString(std::string_view file, std::string_view section, std::string_view key,
        std::string_view value) override;
};

}
