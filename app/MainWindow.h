#pragma once
// ZhuJM, the main window: it owns the form with every control, the current colour and the
// operations other parts of the program call by name. Portable: the platform shows the form.

#include "app/MainWindowControls.h"
#include "platform/Clipboard.h"
#include "platform/TextRenderer.h"
#include "ui/Form.h"

namespace app {

struct MainWindowServices {
    platform::TextRenderer& text;
    platform::Clipboard& clipboard;
};

class ZhuJM {
public:
    explicit ZhuJM(MainWindowServices services);
    ZhuJM(ZhuJM const&) = delete;
    ZhuJM& operator=(ZhuJM const&) = delete;

    ui::Form& Form() { return m_form; }
    MainWindowControls const& Controls() const { return m_controls; }

    // Sets the current colour: the fill of the colour box and the four notation texts. A value
    // that is no colour (a point read outside a picture) changes nothing.
    void SZYS(Colour colour);
    Colour CurrentColour() const;

    // Puts the text of notation box `index` on the clipboard, with or without its "#" or "&H"
    // as the copy-prefix option says. A busy clipboard is given up on quietly.
    void CopyNotation(int index);

private:
    void WireEvents();

    MainWindowServices m_services;
    ui::Form m_form;
    MainWindowControls m_controls;
};

}
