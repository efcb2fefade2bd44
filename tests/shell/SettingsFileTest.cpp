#include "shell/SettingsFile.h"
#include "tests/fake/FakeSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

TEST(SettingsFile, LivesBesideTheProgram)
{
    EXPECT_EQ(SettingsFilePath("C:\\Tools\\取色器"), "C:\\Tools\\取色器\\path.ini");
}

TEST(SettingsFile, ReadsWhatShipsBesideTheProgram)
{
    platform::fake::FakeSystem system;
    {
        std::ofstream out(std::filesystem::path(system.ProgramFolder()) / "path.ini", std::ios::binary);
        out << system.AnsiCodePage().FromUtf8("[RJSZ]\r\nbtwz=取色器\r\nPiFu=默认\r\n");
    }
    INIDX settingsIni(system.Profiles());
    settingsIni.IniName(SettingsFilePath(system.ProgramFolder()));
    EXPECT_EQ(ReadSetting(settingsIni, settings::Title), "取色器");
    EXPECT_EQ(ReadSetting(settingsIni, settings::SkinName), "默认");
    EXPECT_EQ(ReadSetting(settingsIni, settings::Hotkeys), "");
}
