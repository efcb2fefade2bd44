#pragma once
// Profile files on Windows: the program's own profile rules (IniProfileFiles) over the system's
// UTF-16 file functions, so a folder the ANSI code page cannot name works, and the files' text in
// the Chinese code page whatever the system's ANSI code page is. The system's private-profile
// functions do neither: the ANSI ones name files in the ANSI code page and read their text in it,
// the wide ones may write a new file as UTF-16. A save replaces the file with ReplaceFileW, so it
// keeps its attributes and permissions; a file with other names (hard links) is written in place,
// a symbolic link's target is the file written, and another program's brief hold on the file is
// waited out for about a second.

#include "platform/portable/IniProfileFiles.h"
#include "win32/Win32CodePage.h"

namespace platform::win32 {

// Whole files through the system's UTF-16 file functions.
class WideFiles final : public WholeFiles {
public:
    std::optional<std::string> Read(std::string_view file) override;
    bool Replace(std::string_view file, std::string_view content) override;
};

// What the rules stand on. A base of Win32ProfileFiles rather than members, so that it is made
// before the rules that use it.
struct WideProfileParts {
    WideFiles files;
    Win32CodePage codePage;
};

class Win32ProfileFiles final : private WideProfileParts, public IniProfileFiles {
public:
    Win32ProfileFiles();
};

}
