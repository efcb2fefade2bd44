#pragma once
// The colour chart: a picture box showing a chart of colours. A press with any button makes the
// colour under the pointer current and records it in the recent colours.
//
// For the keyboard the chart is a grid of cells, those of the shipped chart picture: the arrows
// move a mark from cell to cell, and Enter or Space take the marked cell's colour as a press
// does. The mark shows while the chart has the keyboard's focus; a press moves it to the cell
// pressed. The chart's name for assistive technology says the marked cell's colour.

#include "choosers/ColourChoice.h"
#include "gfx/Geometry.h"
#include "ui/Events.h"
#include "ui/PictureBox.h"

namespace colour {

// The cells of the chart picture: equal columns and rows over the whole picture.
inline constexpr int ChartColumns = 19;
inline constexpr int ChartRows = 12;

class ColourChart {
public:
    ColourChart(ui::PictureBox& chart, ColourChoice choice);
    ColourChart(ColourChart const&) = delete;
    ColourChart& operator=(ColourChart const&) = delete;

    // The box's place or picture changed: the mark and the name follow.
    void PictureShown() { Mark(m_cell); }

private:
    bool Key(ui::KeyEvent const& key);
    void Mark(gfx::Point cell);
    // The colour in the cell's middle.
    Colour CellColour(gfx::Point cell) const;
    void Take(Colour colour);

    ui::PictureBox& m_chart;
    ColourChoice m_choice;
    // The marked cell: column and row.
    gfx::Point m_cell;
};

}
