#include "app/MainWindow.h"

#include "colour/CurrentColour.h"

namespace app {

ZhuJM::ZhuJM(MainWindowServices services)
    : m_services(services)
    , m_form(services.text)
    , m_controls(BuildMainWindow(m_form))
{
    m_form.SetCaption("取色器");
    WireEvents();
    SZYS(PureRed);
}

void ZhuJM::WireEvents()
{
    for (int index = 0; index < NotationCount; ++index)
        m_controls.YSSR[index]->OnDoubleClick = [this, index] { CopyNotation(index); };
}

void ZhuJM::SZYS(Colour colour)
{
    auto const texts = NotationTextsOf(colour);
    if (!texts)
        return;
    m_controls.YSK->SetBackColour(colour);
    for (int index = 0; index < NotationCount; ++index)
        m_controls.YSSR[index]->SetText((*texts)[index]);
}

Colour ZhuJM::CurrentColour() const { return m_controls.YSK->BackColour(); }

void ZhuJM::CopyNotation(int index)
{
    if (index < 0 || index >= NotationCount)
        return;
    m_services.clipboard.SetText(
        CopiedNotationText(index, m_controls.YSSR[index]->Text(), m_controls.DXAnNiu->Checked()));
}

}
