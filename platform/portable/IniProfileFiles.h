#pragma once
// Profile files kept by the program itself: the rules of platform/ProfileFiles.h applied with
// IniText to the whole bytes of a file, in one code page given once, whatever the system's own.
// The bytes come and go through WholeFiles: plain files natively, the system's UTF-16 file
// functions on Windows, so that a folder any language names works. Portable: no OS header.

#include "platform/CodePage.h"
#include "platform/ProfileFiles.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class WholeFiles {
public:
    virtual ~WholeFiles() = default;

    // The whole file; empty for a file that does not exist; nothing for one that exists but
    // cannot be read.
    virtual std::optional<std::string> Read(std::string_view file) = 0;

    // Replaces the file's whole content, making the file when it is missing, so that no
    // half-written file is ever left; false, with the file as it was, when that cannot be done
    // (a read-only file, a folder that cannot be written, a full disk).
    virtual bool Replace(std::string_view file, std::string_view content) = 0;
};

class IniProfileFiles final : public ProfileFiles {
public:
    // The files' text is in codePage, unless it is UTF-16 or UTF-8 (see IniEncoding.h); a file is
    // written back in the encoding it was found in.
    IniProfileFiles(WholeFiles& files, CodePage const& codePage);

    std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
        int bufferBytes) override;
    int ReadInt(std::string_view file, std::string_view section, std::string_view key, int defaultValue) override;
    bool WriteString(std::string_view file, std::string_view section, std::string_view key,
        std::string_view value) override;

private:
    struct FoundValue {
        std::string value; // in the file's encoding
        bool codePage;     // the file is in the code page, not UTF-8 or UTF-16
    };

    std::string InFile(std::string_view utf8, bool codePageFile) const;
    std::optional<FoundValue> Find(std::string_view file, std::string_view section, std::string_view key);

    WholeFiles& m_files;
    CodePage const& m_codePage;
};

}
