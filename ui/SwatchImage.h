#pragma once
// A colour swatch: a fill colour, an optional picture (the skin's empty-slot look), and a
// single-line border or none. The border tells whether the swatch shows a list entry. Every
// swatch of a grid shows the same empty-slot picture: it is shared, never copied per swatch.

#include "ui/Control.h"

#include <memory>

namespace ui {

class SwatchImage final : public Control {
public:
    explicit SwatchImage(std::string name);

    Colour BackColour() const { return m_backColour; }
    void SetBackColour(Colour colour);

    // The picture shown over the fill; an empty picture when there is none.
    gfx::Image const& Picture() const;
    void SetPicture(std::shared_ptr<gfx::Image const> picture);
    void ClearPicture();

    bool HasBorder() const { return m_border; }
    // Only a swatch that shows an entry does anything when clicked.
    bool Available() const override { return m_border; }
    void SetBorder(bool singleLine);
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);

    // The empty-slot look: a fill and a picture, flat and without a border. A swatch goes back
    // to it whenever it shows no entry.
    void SetEmptyLook(Colour backColour, std::shared_ptr<gfx::Image const> picture);
    Colour EmptyBackColour() const { return m_emptyBackColour; }
    void ShowEmpty();
    // An entry: its colour, no picture, a single-line border.
    void ShowColour(Colour colour);

    void Paint(gfx::Painter& painter, platform::TextRenderer& text) override;

private:
    Colour m_backColour = 0xF0F0F0;
    std::shared_ptr<gfx::Image const> m_picture;
    bool m_border = false;
    bool m_flat = true;
    Colour m_emptyBackColour = 0xF0F0F0;
    std::shared_ptr<gfx::Image const> m_emptyPicture;
    bool m_showsEmpty = false;
};

}
