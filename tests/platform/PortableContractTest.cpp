// The contract suites run here against the portable profile files, the Chinese code page,
// stb_image and the fake timers and task queue.

#include "contract/ContractTarget.h"
#include "contract/EventServicesTarget.h"
#include "gfx/StbImageDecoder.h"
#include "platform/portable/IconvCodePage.h"
#include "platform/portable/PortableProfileFiles.h"
#include "tests/fake/FakeTimers.h"
#include "tests/fake/FakeUiThread.h"

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

namespace {

// Time moves one millisecond a step; posted tasks run at every step.
class FakeEventServices final : public EventServices {
public:
    platform::Timers& Timers() override { return m_timers; }
    platform::UiThread* UiThread() override { return m_uiThread.get(); }
    void DropUiThread() override { m_uiThread.reset(); }
    void ServeUntil(std::function<bool()> const& done, int maxMilliseconds) override
    {
        for (int step = 0; step < maxMilliseconds && !done(); ++step) {
            m_timers.Advance(1);
            if (m_uiThread)
                m_uiThread->RunPending();
        }
    }

private:
    platform::fake::FakeTimers m_timers;
    std::unique_ptr<platform::fake::FakeUiThread> m_uiThread = std::make_unique<platform::fake::FakeUiThread>();
};

}

std::unique_ptr<EventServices> MakeEventServicesUnderTest() { return std::make_unique<FakeEventServices>(); }
