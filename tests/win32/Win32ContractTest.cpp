// The contract suites run here against the system's own profile functions, code page, picture
// decoder, timers and message queue.

#include "PumpMessages.h"
#include "contract/ContractTarget.h"
#include "contract/EventServicesTarget.h"
#include "win32/WicImageDecoder.h"
#include "win32/Unicode.h"
#include "win32/Win32CodePage.h"
#include "win32/Win32ProfileFiles.h"
#include "win32/Win32Timers.h"
#include "win32/Win32UiThread.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

platform::CodePage const& CodePageUnderTest()
{
    static platform::win32::Win32CodePage const codePage;
    return codePage;
}

std::unique_ptr<platform::ProfileFiles> MakeProfileFilesUnderTest()
{
    return std::make_unique<platform::win32::Win32ProfileFiles>();
}

gfx::ImageDecoder const& ImageDecoderUnderTest()
{
    static platform::win32::WicImageDecoder const decoder;
    return decoder;
}

namespace {

// Every test decodes through WIC, as the program does: skin pictures included.
class WicForEveryTest final : public ::testing::Environment {
public:
    void SetUp() override { m_use.emplace(ImageDecoderUnderTest()); }
    void TearDown() override { m_use.reset(); }

private:
    std::optional<gfx::ScopedImageDecoder> m_use;
};

[[maybe_unused]] ::testing::Environment* const wicForEveryTest = ::testing::AddGlobalTestEnvironment(new WicForEveryTest);

// The read-only attribute, as a user sets it, and an open handle that shares nothing, as another
// program holding the file has: Wine run by the superuser ignores the attribute alone.
class LockedFile final : public WriteBlock {
public:
    explicit LockedFile(std::string_view file)
        : m_path(platform::win32::Widen(file))
    {
        SetFileAttributesW(m_path.c_str(), FILE_ATTRIBUTE_READONLY);
        m_handle = CreateFileW(m_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    ~LockedFile() override
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
        SetFileAttributesW(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    LockedFile(LockedFile const&) = delete;
    LockedFile& operator=(LockedFile const&) = delete;

private:
    std::wstring m_path;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

}

std::unique_ptr<WriteBlock> BlockWrites(std::string_view file) { return std::make_unique<LockedFile>(file); }

namespace {

// The real timers and task window, served by a pump of the test's own.
class Win32EventServices final : public EventServices {
public:
    platform::Timers& Timers() override { return m_timers; }
    platform::UiThread* UiThread() override { return m_uiThread.get(); }
    void DropUiThread() override { m_uiThread.reset(); }
    void ServeUntil(std::function<bool()> const& done, int maxMilliseconds) override
    {
        PumpMessagesUntil(done, std::chrono::milliseconds(maxMilliseconds));
    }

private:
    platform::win32::Win32Timers m_timers;
    std::unique_ptr<platform::win32::Win32UiThread> m_uiThread = std::make_unique<platform::win32::Win32UiThread>();
};

}

std::unique_ptr<EventServices> MakeEventServicesUnderTest() { return std::make_unique<Win32EventServices>(); }
