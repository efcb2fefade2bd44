#pragma once
// The program's own changes to the settings file. A change that cannot be written (a read-only
// file, a folder the user may not write to, a full disk) stays in memory all the same; the user
// hears of it once per run, not at every colour saved.

#include "shell/SettingsFile.h"

#include <functional>
#include <string>
#include <string_view>

namespace shell {

class SettingsWriter {
public:
    // notice shows a message box with an OK button.
    SettingsWriter(INIDX& settingsIni, std::function<void(std::string_view)> notice);
    SettingsWriter(SettingsWriter const&) = delete;
    SettingsWriter& operator=(SettingsWriter const&) = delete;

    std::string Read(SettingKey key) { return ReadSetting(m_ini, key); }
    bool Write(SettingKey key, std::string_view value);

private:
    INIDX& m_ini;
    std::function<void(std::string_view)> m_notice;
    bool m_told = false;
};

// What the user is told when the settings file cannot be written.
std::string SaveFailedText(std::string_view file);

}
