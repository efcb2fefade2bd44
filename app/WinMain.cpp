// Program entry. The settings store is bound to "path.ini" beside the program before anything else
// reads a setting.

#include "platform/win32/PlainWindow.h"
#include "platform/win32/ProgramFolder.h"
#include "platform/win32/Win32ProfileFiles.h"
#include "shell/IniStore.h"
#include "shell/SettingsFile.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    platform::win32::Win32ProfileFiles profileFiles;
    INIDX settingsIni(profileFiles);
    settingsIni.IniName(SettingsFilePath(platform::win32::ProgramFolder()));

    // FIXME: The splash and the skinned main window take over from this plain window.
    return platform::win32::RunPlainWindow(ReadSetting(settingsIni, settings::Title));
}
