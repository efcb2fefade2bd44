// One copy per program folder: the first claim holds the folder, a later one reaches the holder's
// window and gives up, another folder is free, and a folder is free again once its holder ends.

#include "win32/SingleInstance.h"

#include "contract/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>

using namespace platform::win32;
using namespace std::chrono_literals;

namespace {

std::string Utf8(std::filesystem::path const& path)
{
    auto const text = path.u8string();
    return { text.begin(), text.end() };
}

// The same folder, named in another case.
std::string OtherCase(std::filesystem::path const& folder)
{
    std::wstring name = folder.filename().wstring();
    std::transform(name.begin(), name.end(), name.begin(),
        [](wchar_t c) { return std::iswupper(c) ? std::towlower(c) : std::towupper(c); });
    return Utf8(folder.parent_path() / name);
}

}

TEST(SingleInstanceTest, FolderNamesMeetUnderOneNameWhateverTheirCase)
{
    TempFolder one;
    TempFolder two;
    std::wstring const name = InstanceName(Utf8(one.Path()));
    EXPECT_EQ(name.size(), 13u + 16u);
    EXPECT_EQ(name.rfind(L"ColourPicker-", 0), 0u);
    EXPECT_EQ(InstanceName(OtherCase(one.Path())), name);
    EXPECT_EQ(InstanceName(Utf8(one.Path() / ".")), name);
    EXPECT_NE(InstanceName(Utf8(two.Path())), name);
}

TEST(SingleInstanceTest, ADrivesRootIsOneFolderFromWhicheverFolderTheProgramStarts)
{
    // The program at X:\ColourPicker.exe has the folder "X:", which alone means X:'s current folder.
    TempFolder folder;
    std::string const drive = Utf8(folder.Path()).substr(0, 2);
    ASSERT_EQ(drive[1], ':');
    auto const before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    std::wstring const fromFolder = InstanceName(drive);
    std::filesystem::current_path(folder.Path().root_path());
    std::wstring const fromRoot = InstanceName(drive);
    std::filesystem::current_path(before);
    EXPECT_EQ(fromFolder, fromRoot);
    EXPECT_EQ(fromRoot, InstanceName(drive + "\\"));
}

TEST(SingleInstanceTest, ALaterStartShowsTheHoldersWindowAndGivesUp)
{
    TempFolder folder;
    TempFolder elsewhere;
    int shown = 0;
    {
        SingleInstance first(Utf8(folder.Path()));
        ASSERT_TRUE(first.Claim());

        // Still starting: nobody answers, and the later start gives up after its patience.
        SingleInstance early(OtherCase(folder.Path()));
        EXPECT_FALSE(early.Claim(300ms));

        first.Listen([&shown] { ++shown; });
        SingleInstance later(Utf8(folder.Path()));
        EXPECT_FALSE(later.Claim(300ms));
        EXPECT_EQ(shown, 1);

        SingleInstance portable(Utf8(elsewhere.Path()));
        EXPECT_TRUE(portable.Claim(300ms));
    }
    SingleInstance next(Utf8(folder.Path()));
    EXPECT_TRUE(next.Claim(300ms));
    EXPECT_EQ(shown, 1);
}
