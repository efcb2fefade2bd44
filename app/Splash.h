#pragma once
// QDJM, the splash shown while the program starts: its title, a status line that says how far
// start-up has got, and a picture of its own. Its background is the transparent key colour, so
// only the picture and the texts show.

#include "ui/AlphaImage.h"
#include "ui/Form.h"
#include "ui/Label.h"

#include <string_view>

namespace app {

class QDJM {
public:
    explicit QDJM(platform::TextRenderer& text);

    ui::Form& Form() { return m_form; }
    ui::Label& BTL() { return *m_title; }
    ui::Label& ZTL() { return *m_status; }

    // The font name from the settings file; empty means the system's own.
    void SetFontName(std::string_view name);

private:
    ui::Form m_form;
    ui::AlphaImage* m_picture;
    ui::Label* m_title;
    ui::Label* m_status;
};

}
