// The settings file and the skin where the program really runs: in a folder the system's code
// page cannot name, on a Chinese system and (in the test bed's second run) an English one. Their
// texts are GBK either way, as the files that ship with the program.

#include "app/MainWindow.h"
#include "contract/TempFolder.h"
#include "contract/TestPictures.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32CodePage.h"
#include "win32/Win32ProfileFiles.h"
#include "win32/Win32TextRenderer.h"
#include "win32/Unicode.h"
#include "shell/SettingsFile.h"
#include "shell/SettingsWriter.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

namespace {

using namespace platform::win32;

// Was: in such a folder nothing was read or saved, and on an English system every text was
// mojibake.
TEST(Win32Settings, AFolderAnyLanguageNamesKeepsItsTextsListsAndSkin)
{
    TempFolder temp;
    Win32CodePage const gbk;
    std::string const folder = temp.File("颜色 한국어 क ✓");
    std::filesystem::create_directories(PathFromText(folder + "/skin/默认"));
    WriteBytes(folder + "/path.ini", gbk.FromUtf8("[RJSZ]\r\nbtwz=取色器\r\nPiFu=默认\r\nZJYS=&HC8800A\r\n"));
    WriteBytes(folder + "/skin/默认/shizhi.ini",
        gbk.FromUtf8("[TouBu]\r\nBeiJingTu_W=30\r\nBeiJingTu_H=20\r\nBeiJingTu=背景.png\r\n"));
    auto const png = pictures::Png(1, 1, { 0x12, 0x34, 0x56, 255 });
    WriteBytes(folder + "/skin/默认/背景.png", std::string(png.begin(), png.end()));

    Win32ProfileFiles profiles;
    INIDX settings(profiles);
    settings.IniName(SettingsFilePath(folder));
    Win32TextRenderer text;
    Win32Clipboard clipboard;
    app::ZhuJM zhuJM({ text, clipboard, profiles, settings, folder });
    zhuJM.LoadUiTexts();
    zhuJM.LoadSkin();
    EXPECT_EQ(zhuJM.Controls().BiaoTiLan->Text(), "取色器");
    EXPECT_EQ(zhuJM.RecentListText(), "&HC8800A");
    EXPECT_EQ(zhuJM.Form().Size(), (gfx::Size { 30, 20 })) << "the skin's description was read";
    EXPECT_EQ(zhuJM.Controls().bj->Picture().PixelAt(0, 0), gfx::MakePixel(0x12, 0x34, 0x56)) << "and its picture";

    zhuJM.SaveCurrentColour();
    EXPECT_EQ(ReadBytes(folder + "/path.ini"),
        gbk.FromUtf8("[RJSZ]\r\nbtwz=取色器\r\nPiFu=默认\r\nZJYS=&HC8800A\r\nwdYS=&HFF\r\n"));
}

// Another program holding the file for a while, as a virus scanner or the search indexer does:
// open for reading, without letting it be deleted or replaced. Run in a process of its own, this
// test program again, given the file and an event to say when it holds it.
constexpr char const* HeldFileVariable = "PICKER_TEST_HOLD_FILE";

TEST(Win32SettingsHelper, DISABLED_HoldFileFor300Milliseconds)
{
    char const* const file = std::getenv(HeldFileVariable);
    ASSERT_NE(file, nullptr);
    HANDLE const held = CreateFileW(Widen(file).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HANDLE const holding = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"PickerTestFileHeld");
    ASSERT_NE(holding, nullptr);
    SetEvent(holding);
    CloseHandle(holding);
    Sleep(300);
    CloseHandle(held);
}

class HoldingProcess {
public:
    explicit HoldingProcess(std::string const& file)
    {
        m_held = CreateEventW(nullptr, TRUE, FALSE, L"PickerTestFileHeld");
        wchar_t program[MAX_PATH] {};
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        std::wstring command = L"\"" + std::wstring(program)
            + L"\" --gtest_brief=1 --gtest_also_run_disabled_tests --gtest_filter=Win32SettingsHelper.DISABLED_HoldFileFor300Milliseconds";
        SetEnvironmentVariableW(Widen(HeldFileVariable).c_str(), Widen(file).c_str());
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        m_started = CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
            &m_process);
        SetEnvironmentVariableW(Widen(HeldFileVariable).c_str(), nullptr);
    }
    ~HoldingProcess()
    {
        if (m_started) {
            WaitForSingleObject(m_process.hProcess, 10000);
            CloseHandle(m_process.hThread);
            CloseHandle(m_process.hProcess);
        }
        CloseHandle(m_held);
    }
    HoldingProcess(HoldingProcess const&) = delete;
    HoldingProcess& operator=(HoldingProcess const&) = delete;

    bool Holds() const { return m_started && WaitForSingleObject(m_held, 20000) == WAIT_OBJECT_0; }

private:
    HANDLE m_held = nullptr;
    PROCESS_INFORMATION m_process {};
    bool m_started = false;
};

// Was: the save failed, and the user was told so, while another program had the file open for
// a moment; a moment later it would have worked.
TEST(Win32Settings, ASaveWaitsOutAFileHeldForAMoment)
{
    TempFolder temp;
    std::string const path = temp.File("path.ini");
    WriteBytes(path, "[RJSZ]\r\nwdYS=\r\n");
    Win32ProfileFiles profiles;
    INIDX settings(profiles);
    settings.IniName(path);
    int notices = 0;
    shell::SettingsWriter writer(settings, [&](std::string_view) { ++notices; });

    HoldingProcess const holder(path);
    ASSERT_TRUE(holder.Holds());
    // The hold is real: a plain move over the file, the way saves went before, is refused.
    std::string const probe = temp.File("probe.ini");
    WriteBytes(probe, "[RJSZ]\r\nwdYS=\r\n");
    EXPECT_FALSE(MoveFileExW(Widen(probe).c_str(), Widen(path).c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_TRUE(writer.Write(settings::SavedColours, "&HFF"));
    EXPECT_EQ(notices, 0);
    EXPECT_EQ(ReadBytes(path), "[RJSZ]\r\nwdYS=&HFF\r\n");
}

// Was: a save gave the file the attributes of a new one and cut it off from its other names.
TEST(Win32Settings, ASaveKeepsTheFilesAttributesAndOtherNames)
{
    TempFolder temp;
    std::string const path = temp.File("path.ini");
    std::string const other = temp.File("other name.ini");
    WriteBytes(path, "[RJSZ]\r\nwdYS=\r\n");
    ASSERT_TRUE(CreateHardLinkW(Widen(other).c_str(), Widen(path).c_str(), nullptr));
    ASSERT_TRUE(SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
    Win32ProfileFiles profiles;

    ASSERT_TRUE(profiles.WriteString(path, "RJSZ", "wdYS", "&HFF"));
    EXPECT_EQ(ReadBytes(path), "[RJSZ]\r\nwdYS=&HFF\r\n");
    EXPECT_EQ(ReadBytes(other), "[RJSZ]\r\nwdYS=&HFF\r\n") << "the other name sees the change";
    EXPECT_TRUE(GetFileAttributesW(Widen(path).c_str()) & FILE_ATTRIBUTE_HIDDEN);

    ASSERT_TRUE(DeleteFileW(Widen(other).c_str()));
    ASSERT_TRUE(profiles.WriteString(path, "RJSZ", "wdYS", "&H0"));
    EXPECT_EQ(ReadBytes(path), "[RJSZ]\r\nwdYS=&H0\r\n");
    EXPECT_TRUE(GetFileAttributesW(Widen(path).c_str()) & FILE_ATTRIBUTE_HIDDEN) << "kept by the replacement too";
    EXPECT_FALSE(std::filesystem::exists(PathFromText(path + ".tmp-write")));
    SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Was: a save turned a symbolic link into a plain file, and the file it led to kept the old text.
TEST(Win32Settings, ASaveThroughASymbolicLinkChangesTheFileItLeadsTo)
{
    TempFolder temp;
    std::string const target = temp.File("kept elsewhere.ini");
    std::string const link = temp.File("path.ini");
    WriteBytes(target, "[RJSZ]\r\nwdYS=\r\n");
    // Wine 8 answers TRUE and makes nothing; the end-to-end tests try a link Linux made.
    if (!CreateSymbolicLinkW(Widen(link).c_str(), Widen(target).c_str(), 0)
        || GetFileAttributesW(Widen(link).c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no symbolic links here";
    Win32ProfileFiles profiles;
    ASSERT_TRUE(profiles.WriteString(link, "RJSZ", "wdYS", "&HFF"));
    EXPECT_EQ(ReadBytes(target), "[RJSZ]\r\nwdYS=&HFF\r\n");
    EXPECT_TRUE(GetFileAttributesW(Widen(link).c_str()) & FILE_ATTRIBUTE_REPARSE_POINT) << "still a link";
}

}
