// Details of the portable INI rules that the system functions keep too but that the contract
// tests cannot see through a value: line endings, the place of new lines, byte-order marks.

#include "contract/TempFolder.h"
#include "platform/portable/IconvCodePage.h"
#include "platform/portable/IniEncoding.h"
#include "platform/portable/IniText.h"
#include "platform/portable/PortableProfileFiles.h"

#include <gtest/gtest.h>

using namespace platform::ini;

TEST(IniText, ReplacingKeepsLineEndingsAndKeySpelling)
{
    EXPECT_EQ(SetValue("[A]\nKey = old\nz=1\n", "a", "KEY", "new"), "[A]\nKey=new\nz=1\n");
    EXPECT_EQ(SetValue("[A]\r\nk=old", "A", "k", "new"), "[A]\r\nk=new");
    EXPECT_EQ(SetValue("  [A]  \r\n  k=old  \r\n", "A", "k", "v"), "  [A]  \r\n  k=v  \r\n");
}

TEST(IniText, NewKeysAndSectionsGoWhereAPersonWouldPutThem)
{
    EXPECT_EQ(SetValue("[A]\r\nx=1\r\n\r\n[B]\r\n", "A", "y", "2"), "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\n");
    EXPECT_EQ(SetValue("[A]\r\nx=1", "A", "y", "2"), "[A]\r\nx=1\r\ny=2\r\n");
    EXPECT_EQ(SetValue("[A]", "A", "y", "2"), "[A]\r\ny=2\r\n");
    EXPECT_EQ(SetValue("x=1", "B", "y", "2"), "x=1\r\n[B]\r\ny=2\r\n");
    EXPECT_EQ(SetValue("", "B", "y", "2"), "[B]\r\ny=2\r\n");
}

TEST(IniText, KeysBeforeAnySectionBelongToNone)
{
    EXPECT_FALSE(FindValue("k=1\r\n[A]\r\n", "A", "k"));
    EXPECT_EQ(FindValue("[A] trailing\r\nk=1\r\n", "A", "k"), "1");
    EXPECT_EQ(FindValue("[A]\r\n[A]\r\nk=1\r\n", "A", "k"), std::nullopt) << "only the first section counts";
}

TEST(IniText, LeadingIntegers)
{
    EXPECT_EQ(ParseLeadingInt("12abc"), 12);
    EXPECT_EQ(ParseLeadingInt("+7"), 7);
    EXPECT_EQ(ParseLeadingInt("-"), 0);
    EXPECT_EQ(ParseLeadingInt("4294967297"), 1) << "wraps like a 32-bit parse";
}

// The shipped file and everyday GBK texts are never taken for UTF-8, even where their bytes are
// sound UTF-8; UTF-8 Chinese is, even a single character.
TEST(IniEncoding, OnlyTextThatCannotBeEverydayGbkIsTakenForUtf8)
{
    auto const shipped = ReadBytes(PICKER_SHIPPED_SETTINGS);
    ASSERT_TRUE(shipped && !shipped->empty());
    EXPECT_EQ(DecodeFile(*shipped).encoding, FileEncoding::CodePage);
    platform::IconvCodePage const gbk;
    for (std::string_view const text : { "忙碌", "陆路", "[RJSZ]\r\nbtwz=卤露\r\n", "中文", "取色器", "颜色 ·" })
        EXPECT_FALSE(IsUtf8WithoutMark(gbk.FromUtf8(text))) << text;
    for (std::string_view const text : { "中", "取色", "[RJSZ]\r\nbtwz=取色器\r\n", "é 颜色" })
        EXPECT_TRUE(IsUtf8WithoutMark(text)) << text;
    EXPECT_FALSE(IsUtf8WithoutMark("[RJSZ]\r\nkjj=1\r\n")) << "plain ASCII is the code page's";
    EXPECT_FALSE(IsUtf8WithoutMark("\xE4\xB8")) << "a cut character is no UTF-8";
}

TEST(PortableProfileFiles, AUtf8FileWithAByteOrderMarkStaysUtf8)
{
    TempFolder folder;
    platform::IconvCodePage const gbk;
    platform::PortableProfileFiles files(gbk);
    auto const path = folder.File("path.ini");
    WriteBytes(path, "\xEF\xBB\xBF[RJSZ]\r\nbtwz=取色器\r\n");
    EXPECT_EQ(files.ReadString(path, "RJSZ", "btwz", 50), "取色器");
    EXPECT_EQ(files.ReadString(path, "RJSZ", "btwz", 5), "取色") << "the limit counts code-page bytes";
    ASSERT_TRUE(files.WriteString(path, "RJSZ", "kjj", "色"));
    EXPECT_EQ(ReadBytes(path), "\xEF\xBB\xBF[RJSZ]\r\nbtwz=取色器\r\nkjj=色\r\n");
}

TEST(PortableProfileFiles, BackslashesSeparateFolders)
{
    TempFolder folder;
    platform::IconvCodePage const gbk;
    platform::PortableProfileFiles files(gbk);
    std::filesystem::create_directories(folder.Path() / "skin" / "默认");
    WriteBytes(folder.File("skin/默认/shizhi.ini"), gbk.FromUtf8("[PiFu]\r\nW=300\r\n"));
    EXPECT_EQ(files.ReadInt(folder.File("skin") + "\\默认\\shizhi.ini", "PiFu", "W", 0), 300);
    EXPECT_EQ(files.ReadInt(folder.File("skin") + "\\\\shizhi.ini", "PiFu", "W", 5), 5);
}
