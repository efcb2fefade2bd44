// The contract suites run here against the portable profile files, the Chinese code page and
// stb_image.

#include "contract/ContractTarget.h"
#include "gfx/StbImageDecoder.h"
#include "platform/portable/IconvCodePage.h"
#include "platform/portable/PortableProfileFiles.h"

#include <filesystem>

platform::CodePage const& CodePageUnderTest()
{
    static platform::IconvCodePage const codePage;
    return codePage;
}

std::unique_ptr<platform::ProfileFiles> MakeProfileFilesUnderTest()
{
    return std::make_unique<platform::PortableProfileFiles>(CodePageUnderTest());
}

gfx::ImageDecoder const& ImageDecoderUnderTest()
{
    static gfx::StbImageDecoder const decoder;
    return decoder;
}

namespace {

// Like the read-only attribute on Windows: no write bit for anybody, which the portable store
// honours even for the superuser.
class ReadOnlyFile final : public WriteBlock {
public:
    explicit ReadOnlyFile(std::string_view file)
        : m_path(std::string(file))
    {
        std::filesystem::permissions(m_path, WriteBits, std::filesystem::perm_options::remove);
    }
    ~ReadOnlyFile() override { std::filesystem::permissions(m_path, WriteBits, std::filesystem::perm_options::add); }

private:
    static constexpr auto WriteBits = std::filesystem::perms::owner_write | std::filesystem::perms::group_write
        | std::filesystem::perms::others_write;
    std::filesystem::path m_path;
};

}

std::unique_ptr<WriteBlock> BlockWrites(std::string_view file) { return std::make_unique<ReadOnlyFile>(file); }
