// The settings file and the skin where the program really runs: in a folder the system's code
// page cannot name, on a Chinese system and (in the test bed's second run) an English one. Their
// texts are GBK either way, as the files that ship with the program.

#include "app/MainWindow.h"
#include "contract/TempFolder.h"
#include "contract/TestPictures.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32ProfileFiles.h"
#include "platform/win32/Win32TextRenderer.h"
#include "shell/SettingsFile.h"

#include <gtest/gtest.h>

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

}
