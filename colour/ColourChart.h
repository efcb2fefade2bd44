#pragma once
// The colour chart: a picture box showing a chart of colours. A press with any button makes the
// colour under the pointer current and records it in the recent colours.

#include "colour/ColourChoice.h"
#include "ui/PictureBox.h"

namespace colour {

class ColourChart {
public:
    ColourChart(ui::PictureBox& chart, ColourChoice choice);
    ColourChart(ColourChart const&) = delete;
    ColourChart& operator=(ColourChart const&) = delete;

private:
    ui::PictureBox& m_chart;
    ColourChoice m_choice;
};

}
