#include "shell/SettingsFile.h"

#include <cassert>

std::string SettingsFilePath(std::string_view programFolder)
{
    std::string path(programFolder);
    path += "\\path.ini";
    return path;
}

std::string ReadSetting(INIDX& settingsIni, SettingKey key)
{
    return settingsIni.ReadString(SettingsSection, key.name, key.bufferBytes);
}

bool WriteSetting(INIDX& settingsIni, SettingKey key, std::string_view value)
{
    assert(key.programWrites && "this key ships with the program and is never written");
    return settingsIni.WriteString(SettingsSection, key.name, value);
}
