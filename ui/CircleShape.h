#pragma once
// A circle outline, such as the pointer ring in the adjuster box. It never takes the pointer:
// presses go to whatever lies beneath.

#include "ui/Control.h"

namespace ui {

class CircleShape final : public Control {
public:
    explicit CircleShape(std::string name);

    Colour BorderColour() const { return m_borderColour; }
    void SetBorderColour(Colour colour);

    bool TakesPointer() const override { return false; }
    void Paint(gfx::Painter& painter, platform::TextRenderer& text) override;

private:
    Colour m_borderColour = 0;
};

}
