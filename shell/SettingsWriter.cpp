#include "shell/SettingsWriter.h"

namespace shell {

SettingsWriter::SettingsWriter(INIDX& settingsIni, std::function<void(std::string_view)> notice)
    : m_ini(settingsIni)
    , m_notice(std::move(notice))
{
}

bool SettingsWriter::Write(SettingKey key, std::string_view value)
{
    if (WriteSetting(m_ini, key, value))
        return true;
    // Marked before the box shows: hotkeys keep working while it is open and may write again.
    if (!m_told) {
        m_told = true;
        if (m_notice)
            m_notice(SaveFailedText(m_ini.IniName()));
    }
    return false;
}

std::string SaveFailedText(std::string_view file)
{
    return "无法写入设置文件 " + std::string(file) + ",本次的更改只在程序运行期间有效";
}

}
