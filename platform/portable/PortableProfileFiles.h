#pragma once
// Profile files on any system with a standard C++ library: the program's own profile rules
// (IniProfileFiles) over plain files. "\" in paths is taken as a folder separator, as Windows
// does.

#include "platform/portable/IniProfileFiles.h"

namespace platform {

// Whole plain files, as the rules below read and replace them.
class PlainFiles : public WholeFiles {
public:
    std::optional<std::string> Read(std::string_view file) override;
    bool Replace(std::string_view file, std::string_view content) override;
};

// The files are a base rather than a member so that they are made before the rules that use them.
class PortableProfileFiles final : private PlainFiles, public IniProfileFiles {
public:
    explicit PortableProfileFiles(CodePage const& codePage);
};

}
