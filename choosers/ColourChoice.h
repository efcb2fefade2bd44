#pragma once
// Where a colour chosen by pointing at a picture goes: it becomes the current colour, and some
// presses also put it in front of the recent colours. The main window fills in both.

#include "colour/Colour.h"

#include <functional>

namespace colour {

struct ColourChoice {
    std::function<void(Colour)> setCurrent = [](Colour) { };
    std::function<void(Colour)> addRecent = [](Colour) { };
};

}
