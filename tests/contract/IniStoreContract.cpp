// The settings store over each implementation of profile files.

#include "ContractTarget.h"
#include "TempFolder.h"
#include "shell/HotkeyText.h"
#include "shell/IniStore.h"
#include "shell/SettingsFile.h"

#include <gtest/gtest.h>

namespace {

class IniStoreContract : public ::testing::Test {
protected:
    std::string SettingsFile(std::string_view utf8Content)
    {
        std::string const path = m_folder.File("path.ini");
        WriteBytes(path, CodePageUnderTest().FromUtf8(utf8Content));
        return path;
    }

    TempFolder m_folder;
    std::unique_ptr<platform::ProfileFiles> m_files = MakeProfileFilesUnderTest();
    INIDX m_ini { *m_files };
};

TEST_F(IniStoreContract, NameIsTrimmedOfOuterSpacesOnly)
{
    m_ini.IniName("  C:\\Program Files\\取色\\path.ini   ");
    EXPECT_EQ(m_ini.IniName(), "C:\\Program Files\\取色\\path.ini");
    EXPECT_EQ(INIDX(*m_files).IniName(), "");
}

TEST_F(IniStoreContract, WithoutAFileNameNothingIsReadOrWritten)
{
    EXPECT_EQ(m_ini.ReadString("RJSZ", "btwz", 50), "");
    EXPECT_EQ(m_ini.LastError(), IniErrorNoFile);
    EXPECT_FALSE(m_ini.WriteString("RJSZ", "kjj", "x"));
    EXPECT_EQ(m_ini.LastError(), IniErrorNoFile);
    EXPECT_EQ(m_ini.ReadInt("RJSZ", "kjj"), 0);
}

TEST_F(IniStoreContract, ReadIntTellsAMissingKeyFromAZero)
{
    m_ini.IniName(SettingsFile("[RJSZ]\r\nzero=0\r\nnum=12abc\r\nword=abc\r\n"));
    EXPECT_EQ(m_ini.ReadString("RJSZ", "zero", 50), "0");
    EXPECT_EQ(m_ini.LastError(), "") << "a named file clears the last error";

    EXPECT_EQ(m_ini.ReadInt("RJSZ", "zero"), 0);
    EXPECT_EQ(m_ini.LastError(), "");
    EXPECT_EQ(m_ini.ReadInt("RJSZ", "num"), 12);
    EXPECT_EQ(m_ini.ReadInt("RJSZ", "word"), 0);
    EXPECT_EQ(m_ini.LastError(), "");
    EXPECT_EQ(m_ini.ReadInt("RJSZ", "absent"), 0);
    EXPECT_EQ(m_ini.LastError(), IniErrorCannotRead);
}

TEST_F(IniStoreContract, WritesGoStraightToTheFile)
{
    std::string const path = m_folder.File("path.ini");
    m_ini.IniName(path);
    EXPECT_TRUE(WriteSetting(m_ini, settings::Hotkeys, DefaultHotkeyText));
    EXPECT_EQ(ReadBytes(path), "[RJSZ]\r\nkjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    EXPECT_EQ(ReadHotkeyText(m_ini).Text(), DefaultHotkeyText);

    EXPECT_TRUE(m_ini.WriteString("RJSZ", "ZJYS", "&HFF,&H0"));
    EXPECT_EQ(ReadSetting(m_ini, settings::RecentColours), "&HFF,&H0");
}

TEST_F(IniStoreContract, ReadingUsesTheKeysOwnBuffer)
{
    m_ini.IniName(SettingsFile("[RJSZ]\r\nFont=微软雅黑微软雅黑微软雅黑\r\nbtwz=" + std::string(60, 't') + "\r\n"));
    EXPECT_EQ(ReadSetting(m_ini, settings::Font), "微软雅黑微软雅黑微") << "20 bytes: 9 characters";
    EXPECT_EQ(ReadSetting(m_ini, settings::Title), std::string(49, 't'));
}

TEST_F(IniStoreContract, FailedWriteSaysSoAndKeepsTheFile)
{
    std::string const path = SettingsFile("[RJSZ]\r\nkjj=old\r\n");
    m_ini.IniName(path);
    {
        auto const block = BlockWrites(path);
        EXPECT_FALSE(m_ini.WriteString("RJSZ", "kjj", "new"));
        EXPECT_EQ(m_ini.LastError(), IniErrorWriteFailed);
    }
    EXPECT_EQ(m_ini.ReadString("RJSZ", "kjj", 140), "old");
}

// Was: blanks around a value and quotes around all of it were lost on the way back, so a list
// the user had not changed came back with other entries.
TEST_F(IniStoreContract, AValueReadsBackAsWritten)
{
    m_ini.IniName(m_folder.File("path.ini"));
    for (std::string_view const value : { "&HFF00,&HFF ", " &HFF", "\"&HFF,&H1,&HFF00\"", "'x'", "\"", "\"\"", "a \"b\"" }) {
        ASSERT_TRUE(m_ini.WriteString("RJSZ", "ZJYS", value));
        EXPECT_EQ(ReadSetting(m_ini, settings::RecentColours), value);
    }
    ASSERT_TRUE(m_ini.WriteString("RJSZ", "ZJYS", "&HFF,&H1"));
    EXPECT_EQ(ReadBytes(m_ini.IniName()), "[RJSZ]\r\nZJYS=&HFF,&H1\r\n") << "a plain value goes in as it is";
}

// A line break in a value would write a line of its own: a key nobody meant to set.
TEST_F(IniStoreContract, TextsThatWouldBreakTheLineAreRefused)
{
    std::string const path = SettingsFile("[RJSZ]\r\nkjj=old\r\n");
    m_ini.IniName(path);
    auto const before = ReadBytes(path);
    EXPECT_FALSE(m_ini.WriteString("RJSZ", "kjj", "x\r\n[RJSZ]\r\nPiFu=evil"));
    EXPECT_FALSE(m_ini.WriteString("RJSZ", "k=j", "x"));
    EXPECT_FALSE(m_ini.WriteString("RJ]SZ", "kjj", "x"));
    EXPECT_FALSE(m_ini.WriteString("RJSZ", "", "x"));
    EXPECT_FALSE(m_ini.WriteString("RJSZ", " [PiFu", "x")) << "was written, and read back as a section";
    EXPECT_EQ(m_ini.LastError(), IniErrorWriteFailed);
    EXPECT_EQ(ReadBytes(path), before);
}

}

// Was: the portable store took 乤 for 丄, since their second bytes differ only in letter case.
TEST_F(IniStoreContract, DoubleByteNamesAreComparedExactly)
{
    m_ini.IniName(m_folder.File("path.ini"));
    EXPECT_TRUE(m_ini.WriteString("RJSZ", "丄", "one"));
    EXPECT_TRUE(m_ini.WriteString("RJSZ", "乤", "two"));
    EXPECT_TRUE(m_ini.WriteString("丄", "kjj", "three"));
    EXPECT_EQ(m_ini.ReadString("RJSZ", "丄", 50), "one");
    EXPECT_EQ(m_ini.ReadString("RJSZ", "乤", 50), "two");
    EXPECT_EQ(m_ini.ReadString("乤", "kjj", 50), "");
    EXPECT_EQ(m_ini.ReadString("rjsz", "丄", 50), "one") << "ASCII names still ignore case";
}
