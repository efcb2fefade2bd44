#include "lists/ColourLists.h"

#include "shell/SettingsFile.h"

namespace lists {

void ColourLists::Load(INIDX& settings)
{
    m_recentListText = ReadSetting(settings, settings::RecentColours);
    m_savedListText = ReadSetting(settings, settings::SavedColours);
}

}
