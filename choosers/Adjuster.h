#pragma once
// The colour adjuster: a hue strip painted once, and a saturation/value box drawn anew for each
// hue, with a pointer beside the strip and a ring inside the box. The colour it offers is the one
// drawn under the ring, read back from the box's own picture.
//
// Box and strip are stops of the keyboard too. In the box the arrows move the ring a unit (ten
// with Shift) inside 0 ... 100 and take the colour as a drag does; Enter or Space take it as a
// press does, recording it. On the strip Up and Down change the hue by one (ten with Shift)
// inside 0 ... 360. Each is named for assistive technology by the values it shows.

#include "choosers/ColourChoice.h"
#include "colour/Colour.h"
#include "ui/AlphaImage.h"
#include "ui/CircleShape.h"
#include "ui/Events.h"
#include "ui/PictureBox.h"

#include <cstdint>

namespace colour {

class Adjuster {
public:
    // Takes the pointer events of the box and the strip.
    Adjuster(ui::PictureBox& box, ui::PictureBox& strip, ui::AlphaImage& huePointer, ui::CircleShape& ring,
        ColourChoice choice);
    Adjuster(Adjuster const&) = delete;
    Adjuster& operator=(Adjuster const&) = delete;

    // Paints the strip, puts the ring at its starting place and draws the box for hue 180.
    void Prepare();
    // The box drawn for a hue, and the strip's pointer moved beside it.
    void DrawAdjusterBox(std::int16_t hue);
    // What the box shows under the ring; -1 outside the box's picture.
    Colour ColourUnderRing() const;
    // What the box shows for a point of the model, never its frame; -1 outside the box's picture.
    Colour BoxColourAt(float x, float y) const;

private:
    void PaintHueStrip();
    // The ring centred on a point of the box and the colour drawn there made current; a press
    // also records it.
    void SelectPoint(float x, float y, bool press);
    // The box drawn for the hue, and the colour under the ring, which stays, made current.
    void ChangeHue(float y);
    bool BoxKey(ui::KeyEvent const& key);
    bool StripKey(ui::KeyEvent const& key);
    // "饱和度 52%，亮度 100%": the point under the ring, in whole units inside the box.
    void NameBox();
    void NameStrip(int hue);

    ui::PictureBox& m_box;
    ui::PictureBox& m_strip;
    ui::AlphaImage& m_huePointer;
    ui::CircleShape& m_ring;
    ColourChoice m_choice;
    // The hue the box was last drawn for, which the strip's keys step from.
    std::int16_t m_hue = 180;
};

}
