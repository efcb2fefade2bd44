#include "choosers/ColourChart.h"

#include "colour/Notations.h"
#include "ui/FocusOrder.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace colour {

namespace {

// "色卡 #7BFFFF": the chart and the colour its mark is on.
std::string ChartName(Colour colour)
{
    if (!IsValidColour(colour))
        return "色卡";
    return "色卡 "
        + GG::WebText(static_cast<std::int16_t>(RedOf(colour)), static_cast<std::int16_t>(GreenOf(colour)),
            static_cast<std::int16_t>(BlueOf(colour)));
}

}

ColourChart::ColourChart(ui::PictureBox& chart, ColourChoice choice)
    : m_chart(chart)
    , m_choice(std::move(choice))
{
    m_chart.OnMouseDown = [this](ui::MouseEvent const& press) {
        float const width = m_chart.ScaleWidth();
        float const height = m_chart.ScaleHeight();
        if (width > 0 && height > 0)
            Mark({ static_cast<int>(std::floor((press.x - m_chart.ScaleLeft()) * ChartColumns / width)),
                static_cast<int>(std::floor((press.y - m_chart.ScaleTop()) * ChartRows / height)) });
        Take(m_chart.PointColour(press.x, press.y));
    };
    m_chart.OnKeyDown = [this](ui::KeyEvent const& key) { return Key(key); };
    Mark({ 0, 0 });
}

void ColourChart::Take(Colour colour)
{
    m_choice.setCurrent(colour);
    m_choice.addRecent(colour);
}

bool ColourChart::Key(ui::KeyEvent const& key)
{
    if ((key.shift & (ui::CtrlKey | ui::AltKey)) != 0)
        return false;
    gfx::Point cell = m_cell;
    switch (key.keyCode) {
    case ui::LeftKey:
        --cell.x;
        break;
    case ui::RightKey:
        ++cell.x;
        break;
    case ui::UpKey:
        --cell.y;
        break;
    case ui::DownKey:
        ++cell.y;
        break;
    case ui::EnterKey:
    case ui::SpaceKey:
        Take(CellColour(m_cell));
        return true;
    default:
        return false;
    }
    Mark(cell);
    return true;
}

void ColourChart::Mark(gfx::Point cell)
{
    m_cell = { std::clamp(cell.x, 0, ChartColumns - 1), std::clamp(cell.y, 0, ChartRows - 1) };
    float const width = m_chart.ScaleWidth() / ChartColumns;
    float const height = m_chart.ScaleHeight() / ChartRows;
    m_chart.SetFocusPart(ui::Placement { m_chart.ScaleLeft() + width * static_cast<float>(m_cell.x),
        m_chart.ScaleTop() + height * static_cast<float>(m_cell.y), width, height });
    m_chart.SetAccessibleName(ChartName(CellColour(m_cell)));
}

Colour ColourChart::CellColour(gfx::Point cell) const
{
    float const width = m_chart.ScaleWidth() / ChartColumns;
    float const height = m_chart.ScaleHeight() / ChartRows;
    return m_chart.PointColour(m_chart.ScaleLeft() + width * (static_cast<float>(cell.x) + 0.5f),
        m_chart.ScaleTop() + height * (static_cast<float>(cell.y) + 0.5f));
}

}
