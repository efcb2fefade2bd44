#include "colour/ColourChart.h"

namespace colour {

ColourChart::ColourChart(ui::PictureBox& chart, ColourChoice choice)
    : m_chart(chart)
    , m_choice(std::move(choice))
{
    m_chart.OnMouseDown = [this](ui::MouseEvent const& press) {
        Colour const colour = m_chart.PointColour(press.x, press.y);
        m_choice.setCurrent(colour);
        m_choice.addRecent(colour);
    };
}

}
