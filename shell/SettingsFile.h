#pragma once
// The settings file "path.ini" beside the program: where it is, its one section, and every key
// the program reads or writes, each described once with the buffer it is read with.

#include "shell/IniStore.h"

#include <limits>
#include <string>
#include <string_view>

inline constexpr std::string_view SettingsSection = "RJSZ";

// The program folder as the system reports it (no trailing separator) + "\path.ini".
std::string SettingsFilePath(std::string_view programFolder);

struct SettingKey {
    std::string_view name;
    int bufferBytes;   // read buffer in bytes of the file's code page
    bool programWrites; // the program changes only these; the rest ship with it
};

// The keys the program writes are read whole: a value cut by a read buffer would lose its tail,
// or turn its last colour into another, when the program writes it back.
inline constexpr int WholeValue = std::numeric_limits<int>::max();

namespace settings {

inline constexpr SettingKey Font { "Font", 20, false };
inline constexpr SettingKey Title { "btwz", 50, false };
inline constexpr SettingKey SkinName { "PiFu", 50, false };
inline constexpr SettingKey NotationLabel[4] { { "ysbq1", 50, false }, { "ysbq2", 50, false },
    { "ysbq3", 50, false }, { "ysbq4", 50, false } };
inline constexpr SettingKey HintLabel { "tsbq", 50, false };
inline constexpr SettingKey CopyPrefixCaption { "fzqz", 50, false };
inline constexpr SettingKey ListPanelLabel[2] { { "mb1bq1", 50, false }, { "mb1bq2", 50, false } };
inline constexpr SettingKey HotkeyPanelLabel[6] { { "kjj1", 50, false }, { "kjj2", 50, false },
    { "kjj3", 50, false }, { "kjj4", 50, false }, { "kjj5", 50, false }, { "kjj6", 50, false } };
inline constexpr SettingKey Note { "beizhu", 500, false };
inline constexpr SettingKey RecentColours { "ZJYS", WholeValue, true };
inline constexpr SettingKey SavedColours { "wdYS", WholeValue, true };
inline constexpr SettingKey Hotkeys { "kjj", WholeValue, true };

}

std::string ReadSetting(INIDX& settingsIni, SettingKey key);
bool WriteSetting(INIDX& settingsIni, SettingKey key, std::string_view value);
