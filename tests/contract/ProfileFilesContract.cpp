// What every implementation of profile files must do, checked the same way natively and under
// Wine, where the system's own functions answer.

#include "ContractTarget.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ProfileFilesContract : public ::testing::Test {
protected:
    std::string Ansi(std::string_view utf8) { return CodePageUnderTest().FromUtf8(utf8); }

    // A settings file with the given content in the code page.
    std::string FileWith(std::string_view utf8Content)
    {
        std::string const path = m_folder.File("path.ini");
        WriteBytes(path, Ansi(utf8Content));
        return path;
    }

    std::string Read(std::string const& file, std::string_view key, int size = 500)
    {
        return m_files->ReadString(file, "RJSZ", key, size);
    }

    TempFolder m_folder;
    std::unique_ptr<platform::ProfileFiles> m_files = MakeProfileFilesUnderTest();
};

// A UTF-16 file as an editor saves it: a byte-order mark, then the text.
std::string Utf16File(std::u16string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t const unit : text) {
        char const high = static_cast<char>(unit >> 8);
        char const low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::string Repeat(std::string_view piece, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += piece;
    return result;
}

TEST_F(ProfileFilesContract, CodePageIsChinese)
{
    EXPECT_EQ(Ansi("中文"), "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(CodePageUnderTest().ToUtf8("\xC8\xA1\xC9\xAB"), "取色");
}

TEST_F(ProfileFilesContract, NamesIgnoreCaseAndBlanksAndQuotesGo)
{
    auto const file = FileWith("[Rjsz]\r\n  Key1 =  value one  \r\nkey2=\"quoted\"\r\nkey3='single'\r\n"
                               "key4=\"unbalanced\r\nkey5=\"\"\r\nkey6=a=b\r\n");
    EXPECT_EQ(m_files->ReadString(file, "rJsZ", "KEY1", 50), "value one");
    EXPECT_EQ(Read(file, "key2"), "quoted");
    EXPECT_EQ(Read(file, "key3"), "single");
    EXPECT_EQ(Read(file, "key4"), "\"unbalanced");
    EXPECT_EQ(Read(file, "key5"), "");
    EXPECT_EQ(Read(file, "key6"), "a=b");
}

TEST_F(ProfileFilesContract, MissingFileSectionOrKeyReadsEmpty)
{
    auto const missing = m_folder.File("none.ini");
    EXPECT_EQ(Read(missing, "btwz"), "");
    EXPECT_EQ(m_files->ReadInt(missing, "RJSZ", "n", 7), 7);
    EXPECT_FALSE(ReadBytes(missing)) << "reading must not create the file";

    auto const file = FileWith("[Other]\r\nbtwz=x\r\n[RJSZ]\r\nkjj=1\r\n");
    EXPECT_EQ(Read(file, "btwz"), "");
    EXPECT_EQ(m_files->ReadString(file, "Nowhere", "kjj", 50), "");
    EXPECT_EQ(m_files->ReadInt(file, "RJSZ", "btwz", 7), 7);
}

TEST_F(ProfileFilesContract, ChineseValuesComeBackExactly)
{
    auto const file = FileWith("[RJSZ]\r\nbtwz=取色器 专业版\r\nbeizhu=第一行/n第二行\r\n");
    std::string const title = Read(file, "btwz", 50);
    EXPECT_EQ(title, "取色器 专业版");
    EXPECT_EQ(title.size(), std::string("取色器 专业版").size()) << "no filler or terminator";
    EXPECT_EQ(Read(file, "beizhu"), "第一行/n第二行");
}

// Was: on Windows nothing was read or written in a folder the ANSI code page cannot name.
TEST_F(ProfileFilesContract, AFolderAnyLanguageNamesWorks)
{
    std::filesystem::create_directory(m_folder.Path() / PathFromText("颜色 한국어 क ✓"));
    auto const file = m_folder.File("颜色 한국어 क ✓/path.ini");
    WriteBytes(file, Ansi("[RJSZ]\r\nbtwz=取色器\r\n"));
    EXPECT_EQ(Read(file, "btwz"), "取色器");
    ASSERT_TRUE(m_files->WriteString(file, "RJSZ", "wdYS", "&HFF"));
    EXPECT_EQ(ReadBytes(file), Ansi("[RJSZ]\r\nbtwz=取色器\r\nwdYS=&HFF\r\n"));
}

TEST_F(ProfileFilesContract, LongValuesAreCutToWholeCharacters)
{
    std::string const thirty = Repeat("色", 30);
    auto const file = FileWith("[RJSZ]\r\nbtwz=" + thirty + "\r\nascii=abcdef\r\nmixed=a" + Repeat("色", 5) + "\r\n");
    EXPECT_EQ(Read(file, "btwz", 50), Repeat("色", 24)) << "49 bytes hold 24 double-byte characters";
    EXPECT_EQ(Read(file, "btwz", 49), Repeat("色", 24));
    EXPECT_EQ(Read(file, "btwz", 48), Repeat("色", 23)) << "half a character is never returned";
    EXPECT_EQ(Read(file, "ascii", 4), "abc");
    EXPECT_EQ(Read(file, "ascii", 1), "");
    EXPECT_EQ(Read(file, "ascii", 0), "");
    EXPECT_EQ(Read(file, "mixed", 5), "a色");
    EXPECT_EQ(Read(file, "mixed", 6), "a色色");
}

TEST_F(ProfileFilesContract, IntegersAreReadFromLeadingDigits)
{
    auto const file = FileWith("[RJSZ]\r\nzero=0\r\nnum=12abc\r\nword=abc\r\nempty=\r\nneg=-5\r\nspaced=  42  \r\n");
    EXPECT_EQ(m_files->ReadInt(file, "RJSZ", "zero", 1), 0);
    EXPECT_EQ(m_files->ReadInt(file, "RJSZ", "num", 0), 12);
    EXPECT_EQ(m_files->ReadInt(file, "RJSZ", "word", 1), 0);
    EXPECT_EQ(m_files->ReadInt(file, "RJSZ", "empty", 9), 9) << "an empty value reads as the default";
    EXPECT_EQ(m_files->ReadInt(file, "RJSZ", "neg", 0), -5);
    EXPECT_EQ(m_files->ReadInt(file, "RJSZ", "spaced", 0), 42);
    EXPECT_EQ(m_files->ReadInt(file, "RJSZ", "absent", 3), 3);
}

TEST_F(ProfileFilesContract, WriteCreatesFileWithSectionAndKey)
{
    auto const file = m_folder.File("path.ini");
    ASSERT_TRUE(m_files->WriteString(file, "RJSZ", "kjj", "0:123,4:81,4:66,4:70,4:74,1"));
    EXPECT_EQ(ReadBytes(file), "[RJSZ]\r\nkjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    EXPECT_EQ(Read(file, "kjj", 140), "0:123,4:81,4:66,4:70,4:74,1");
}

TEST_F(ProfileFilesContract, WriteReplacesInPlaceAndKeepsTheRest)
{
    auto const file = FileWith("[RJSZ]\r\nbtwz=标题\r\nZJYS=&HFF\r\nwdYS=&H0\r\n\r\n[Other]\r\nZJYS=keep\r\n");
    ASSERT_TRUE(m_files->WriteString(file, "rjsz", "zjys", "&HFF0000,&HFF"));
    EXPECT_EQ(Read(file, "ZJYS"), "&HFF0000,&HFF");
    EXPECT_EQ(Read(file, "btwz"), "标题");
    EXPECT_EQ(Read(file, "wdYS"), "&H0");
    EXPECT_EQ(m_files->ReadString(file, "Other", "ZJYS", 50), "keep");

    auto const bytes = *ReadBytes(file);
    auto const title = bytes.find(Ansi("btwz=标题"));
    auto const changed = bytes.find("&HFF0000,&HFF");
    auto const saved = bytes.find("wdYS=&H0");
    ASSERT_NE(changed, std::string::npos);
    EXPECT_LT(title, changed);
    EXPECT_LT(changed, saved) << "the value stays where it was";
    EXPECT_EQ(bytes.find("&HFF0000", changed + 1), std::string::npos) << "written once";
}

TEST_F(ProfileFilesContract, WriteAddsKeysAndSections)
{
    auto const file = FileWith("[RJSZ]\r\nbtwz=标题\r\n\r\n[Other]\r\nx=1\r\n");
    ASSERT_TRUE(m_files->WriteString(file, "RJSZ", "wdYS", "&HFF"));
    ASSERT_TRUE(m_files->WriteString(file, "新节", "键", "值"));
    EXPECT_EQ(Read(file, "wdYS"), "&HFF");
    EXPECT_EQ(m_files->ReadString(file, "新节", "键", 50), "值");
    EXPECT_EQ(Read(file, "btwz"), "标题");
    EXPECT_EQ(m_files->ReadString(file, "Other", "x", 50), "1");
    auto const bytes = *ReadBytes(file);
    EXPECT_LT(bytes.find("wdYS=&HFF"), bytes.find("[Other]")) << "a new key joins its own section";
}

TEST_F(ProfileFilesContract, FailedWriteReportsAndChangesNothing)
{
    auto const inMissingFolder = m_folder.File("no-such-folder/path.ini");
    EXPECT_FALSE(m_files->WriteString(inMissingFolder, "RJSZ", "kjj", "x"));
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path() / "no-such-folder"));

    auto const blocked = FileWith("[RJSZ]\r\nkjj=old\r\n");
    auto const before = ReadBytes(blocked);
    {
        auto const block = BlockWrites(blocked);
        EXPECT_FALSE(m_files->WriteString(blocked, "RJSZ", "kjj", "new"));
        EXPECT_FALSE(m_files->WriteString(blocked, "RJSZ", "other", "new"));
    }
    EXPECT_EQ(ReadBytes(blocked), before);

    std::filesystem::create_directory(m_folder.Path() / "folder.ini");
    EXPECT_FALSE(m_files->WriteString(m_folder.File("folder.ini"), "RJSZ", "kjj", "x"));
}

TEST_F(ProfileFilesContract, DamagedFilesNeitherCrashNorHideOtherKeys)
{
    auto const path = m_folder.File("path.ini");

    WriteBytes(path, "");
    EXPECT_EQ(Read(path, "kjj"), "");
    ASSERT_TRUE(m_files->WriteString(path, "RJSZ", "kjj", "1"));
    EXPECT_EQ(Read(path, "kjj"), "1");

    WriteBytes(path, "[RJSZ]\r\nno equals sign here\r\n=no key\r\nkjj=first\r\nKJJ=second\r\n[RJSZ\r\nbtwz=x\r\n");
    EXPECT_EQ(Read(path, "kjj"), "first") << "the first of repeated keys wins";

    std::string big = "[RJSZ]\r\nbig=" + std::string(1 << 20, 'a') + "\r\nkjj=after\r\n";
    WriteBytes(path, big);
    EXPECT_EQ(Read(path, "kjj"), "after");
    EXPECT_EQ(Read(path, "big", 50), std::string(49, 'a'));

    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919 + 13) % 256);
    WriteBytes(path, garbage);
    (void)Read(path, "kjj");
    (void)m_files->ReadInt(path, "RJSZ", "kjj", 0);

    // A file saved as UTF-8 while the code page is GBK: other keys still read and write.
    WriteBytes(path, "[RJSZ]\r\nbtwz=\xE5\x8F\x96\xE8\x89\xB2\xE5\x99\xA8\r\nkjj=1\r\n");
    EXPECT_FALSE(Read(path, "btwz").empty());
    ASSERT_TRUE(m_files->WriteString(path, "RJSZ", "kjj", "2"));
    EXPECT_EQ(Read(path, "kjj"), "2");
}

// Was: a file saved as UTF-16 read as empty, and the next save appended code-page text to it.
TEST_F(ProfileFilesContract, Utf16FilesAreReadAndUpdatedInTheirOwnEncoding)
{
    auto const path = m_folder.File("path.ini");
    for (bool const bigEndian : { false, true }) {
        WriteBytes(path, Utf16File(u"[RJSZ]\r\nbtwz=取色器 한국어 😀\r\nZJYS=&HFF\r\n", bigEndian));
        EXPECT_EQ(Read(path, "btwz"), "取色器 한국어 😀") << "characters the code page lacks are kept";
        EXPECT_EQ(Read(path, "btwz", 5), "取色") << "the limit counts code-page bytes";
        EXPECT_EQ(m_files->ReadInt(path, "rjsz", "zjys", 7), 0);
        ASSERT_TRUE(m_files->WriteString(path, "RJSZ", "ZJYS", "&H0,&HFF"));
        ASSERT_TRUE(m_files->WriteString(path, "RJSZ", "wdYS", "&HC8800A"));
        EXPECT_EQ(ReadBytes(path),
            Utf16File(u"[RJSZ]\r\nbtwz=取色器 한국어 😀\r\nZJYS=&H0,&HFF\r\nwdYS=&HC8800A\r\n", bigEndian));
    }

    // A broken surrogate or a stray last byte reads around the damage, but the file is not rewritten.
    for (std::string const& damaged : { Utf16File(u"[RJSZ]\r\nbtwz=\xD800x\r\nkjj=1\r\n", false),
             Utf16File(u"[RJSZ]\r\nkjj=1\r\n", false) + "\n" }) {
        WriteBytes(path, damaged);
        EXPECT_EQ(Read(path, "kjj"), "1");
        EXPECT_FALSE(m_files->WriteString(path, "RJSZ", "kjj", "2"));
        EXPECT_EQ(ReadBytes(path), damaged);
    }
}

// Was: every Chinese text of a file saved as UTF-8 without a mark came out as mojibake.
TEST_F(ProfileFilesContract, Utf8FilesWithoutAMarkAreReadAndStayUtf8)
{
    auto const path = m_folder.File("path.ini");
    WriteBytes(path, "[RJSZ]\r\nbtwz=取色器\r\nkjj6=取色后复制\r\nZJYS=\r\n");
    EXPECT_EQ(Read(path, "btwz"), "取色器");
    EXPECT_EQ(Read(path, "kjj6", 5), "取色");
    ASSERT_TRUE(m_files->WriteString(path, "RJSZ", "ZJYS", "&HFF"));
    EXPECT_EQ(ReadBytes(path), "[RJSZ]\r\nbtwz=取色器\r\nkjj6=取色后复制\r\nZJYS=&HFF\r\n");
}

// GBK text that happens to be sound UTF-8 ("忙碌" is C3A6 C2B5) stays GBK.
TEST_F(ProfileFilesContract, GbkTextsThatAreSoundUtf8StayGbk)
{
    auto const file = FileWith("[RJSZ]\r\nbtwz=忙碌\r\ntsbq=陆路 卤 露\r\n");
    EXPECT_EQ(Read(file, "btwz"), "忙碌");
    EXPECT_EQ(Read(file, "tsbq"), "陆路 卤 露");
    ASSERT_TRUE(m_files->WriteString(file, "RJSZ", "ZJYS", "&HFF"));
    EXPECT_EQ(ReadBytes(file), Ansi("[RJSZ]\r\nbtwz=忙碌\r\ntsbq=陆路 卤 露\r\nZJYS=&HFF\r\n"));
}

}
