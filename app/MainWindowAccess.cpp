// What the main window's controls are called for assistive technology where their own text does
// not say it: the picture buttons and tabs, the pictures of the panels, and the two swatch grids
// that the keyboard treats as one stop each. Everything else the accessible tree works out itself.

#include "app/MainWindowControls.h"
#include "skin/SkinDescription.h"

#include <string>

namespace app {

namespace {

constexpr int RecentGroup = 1;
constexpr int SavedGroup = 2;

}

void DescribeControls(MainWindowControls const& c)
{
    c.ZXHANT->SetAccessibleName("最小化");
    c.GBANT->SetAccessibleName("关闭");
    c.QSTBK->SetAccessibleName("屏幕取色");
    c.JTTBK->SetAccessibleName("屏幕截图");
    c.BCSZAN->SetAccessibleName("保存热键");
    for (int n = 0; n < PanelCount; ++n) {
        c.Mianban[n]->SetAccessibleName(std::string(skin::TabCaptions[n]));
        c.Mianban[n]->SetAccessibleRole(ui::AccessibleRole::PageTab);
    }
    // The chart, the adjuster's box and its strip name themselves by the values they show.
    c.TPGGK->SetAccessibleName("图片");
    for (ui::SwatchImage* swatch : c.ZJHQYS)
        swatch->SetFocusGroup(RecentGroup);
    for (ui::SwatchImage* swatch : c.WBCYS)
        swatch->SetFocusGroup(SavedGroup);
}

}
