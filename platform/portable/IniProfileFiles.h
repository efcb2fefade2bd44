#pragma once
// Profile files kept by the program itself: the rules of platform/ProfileFiles.h applied with
// IniText to the whole bytes of a file, in one code page given once, whatever the system's own.
// The bytes come and go through WholeFiles: plain files natively, the system's UTF-16 file
// functions on Windows, so that a folder any language names works. Portable: no OS header.

#include "platform/CodePage.h"
#include "platform/ProfileFiles.h"
#include "platform/portable/IniEncoding.h"

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

// Not final: the system's profile files are these rules over the system's own WholeFiles.
class IniProfileFiles : public ProfileFiles {
public:
    // The files' text is in codePage, unless it is UTF-16 or UTF-8 (see IniEncoding.h); a file is
    // written back in the encoding it was found in.
    IniProfileFiles(WholeFiles& files, CodePage const& codePage);

    std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
        int bufferBytes) final;
    int ReadInt(std::string_view file, std::string_view section, std::string_view key, int defaultValue) final;
    bool WriteString(std::string_view file, std::string_view section, std::string_view key,
        std::string_view value) final;

private:
    // A file read whole, its encoding told: where every read and write starts.
    struct LoadedFile {
        ini::DecodedFile decoded;
        bool codePage; // the file is in the code page, not UTF-8 or UTF-16
    };
    struct FoundValue {
        std::string value; // in the file's encoding
        bool codePage;
    };

    std::optional<LoadedFile> Load(std::string_view file);
    std::string InFile(std::string_view utf8, LoadedFile const& file) const;
    std::optional<FoundValue> Find(std::string_view file, std::string_view section, std::string_view key);
    // The bytes of the file with `text` in place of its own; nothing when they would not come back
    // as that text in the file's encoding.
    static std::optional<std::string> Encode(std::string const& text, LoadedFile const& file);

    WholeFiles& m_files;
    CodePage const& m_codePage;
};
}
