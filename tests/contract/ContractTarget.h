#pragma once
// The contract suites run against every implementation of an interface; each test program that
// links them says which implementation it tests by defining these.

#include "platform/CodePage.h"
#include "platform/ProfileFiles.h"

#include <memory>
#include <string_view>

std::unique_ptr<platform::ProfileFiles> MakeProfileFilesUnderTest();
platform::CodePage const& CodePageUnderTest();

// Keeps a file from being written while it lives, the way the platform under test does that.
class WriteBlock {
public:
    virtual ~WriteBlock() = default;
};
std::unique_ptr<WriteBlock> BlockWrites(std::string_view file);

namespace gfx {
class ImageDecoder;
}
gfx::ImageDecoder const& ImageDecoderUnderTest();
