#pragma once
// A text label painted into the window: a caption, the hint, the link text, the note. With a
// transparent background it shows the skin beneath; with automatic size it takes its text's size.
// Its font is described for a 96-DPI screen and drawn at the form's scale, never stretched; a
// label sized to its text is as large as the text drawn at that scale.

#include "ui/Control.h"

namespace ui {

class Label final : public Control {
public:
    explicit Label(std::string name);

    std::string const& Text() const { return m_text; }
    void SetText(std::string text);

    platform::TextStyle const& Style() const { return m_style; }
    void SetFont(platform::Font font);
    Colour ForeColour() const { return m_style.colour; }
    void SetForeColour(Colour colour);
    void SetAlign(platform::TextAlign align);
    void SetWordWrap(bool wrap);

    // Transparent unless given a back colour.
    void SetBackColour(Colour colour);
    void SetTransparent();

    void SetAutoSize(bool autoSize);

    gfx::Rect PixelBounds() const override;
    void ScaleChanged() override;
    void Paint(gfx::Painter& painter, platform::TextRenderer& text) override;

private:
    void AddedToForm() override;
    void FitText();

    std::string m_text;
    platform::TextStyle m_style;
    Colour m_backColour = NoColour;
    bool m_autoSize = false;
    // The text's size in device pixels when last fitted.
    gfx::Size m_fitted;
};

}
