#pragma once
// The recent colours (18) and the saved colours (36): their texts as read from the settings file
// at start-up, and the swatches that show them.

#include "shell/IniStore.h"

#include <string>

namespace lists {

class ColourLists {
public:
    // Reads both list texts from the settings file.
    void Load(INIDX& settings);
    std::string const& RecentListText() const { return m_recentListText; }
    std::string const& SavedListText() const { return m_savedListText; }

    // FIXME: The swatches show the lists, and a click, a double-click or a new colour changes
    // them, once the lists are built.
    void ShowColourList(bool saved) { (void)saved; }

private:
    std::string m_recentListText;
    std::string m_savedListText;
};

}
