#pragma once
// Profile files on any system with a standard C++ library: the program's own profile rules
// (IniProfileFiles) over plain files. "\" in paths is taken as a folder separator, as Windows
// does.

#include "platform/portable/IniProfileFiles.h"

namespace platform {

class PortableProfileFiles final : public ProfileFiles {
public:
    explicit PortableProfileFiles(CodePage const& codePage);

    std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
        int bufferBytes) override
    {
        return m_ini.ReadString(file, section, key, bufferBytes);
    }
    int ReadInt(std::string_view file, std::string_view section, std::string_view key, int defaultValue) override
    {
        return m_ini.ReadInt(file, section, key, defaultValue);
    }
    bool WriteString(std::string_view file, std::string_view section, std::string_view key,
        std::string_view value) override
    {
        return m_ini.WriteString(file, section, key, value);
    }

private:
    class PlainFiles final : public WholeFiles {
    public:
        std::optional<std::string> Read(std::string_view file) override;
        bool Replace(std::string_view file, std::string_view content) override;
    };

    PlainFiles m_files;
    IniProfileFiles m_ini;
};

}
