// The main window takes its texts from the settings file and its look from the skin.

#include "app/MainWindow.h"

#include "gfx/ImageDecoder.h"
#include "shell/SettingsFile.h"

#include <algorithm>

namespace app {

namespace {

// Every "/n" or "/N" of the note becomes a line break.
std::string NoteText(std::string_view stored)
{
    std::string text;
    for (size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '/' && i + 1 < stored.size() && (stored[i + 1] == 'n' || stored[i + 1] == 'N')) {
            text += "\r\n";
            ++i;
        } else {
            text += stored[i];
        }
    }
    return text;
}

// Sizes from a skin are kept to what a window and its pictures can hold.
int Length(int value) { return std::clamp(value, 0, 16384); }

ui::Placement PlaceOf(skin::Geometry g)
{
    return { static_cast<float>(g.left), static_cast<float>(g.top), static_cast<float>(Length(g.width)),
        static_cast<float>(Length(g.height)) };
}

// A picture box keeps a picture of its own size; one the skin's pixel budget cannot pay for is
// left out (placed, but with no size).
ui::Placement BoxPlaceOf(skin::Geometry g, gfx::PixelBudget& budget)
{
    ui::Placement place = PlaceOf(g);
    if (!budget.Take(static_cast<std::int64_t>(place.width) * static_cast<std::int64_t>(place.height)))
        place.width = place.height = 0;
    return place;
}

// The picture as the box's own, then its region `shown` stretched over the whole box.
void ShowSharedPicture(ui::PictureBox& box, std::string const& path, gfx::Rect shown, gfx::PixelBudget& budget)
{
    auto const picture = gfx::LoadImageFile(path, &budget);
    if (!picture)
        return;
    box.SetPicture(*picture);
    gfx::Size const inner = box.InnerSize();
    box.PaintPicture(*picture, 0, 0, static_cast<float>(inner.width), static_cast<float>(inner.height), shown);
}

void Position(ui::Control& control, skin::Position position)
{
    control.SetPosition(static_cast<float>(position.left), static_cast<float>(position.top));
}

}

void ZhuJM::LoadUiTexts()
{
    m_services.showStatus("软件语言配置中...");
    INIDX& settings = m_services.settingsIni;
    std::string const title = ReadSetting(settings, settings::Title);
    m_controls.BiaoTiLan->SetText(title);
    m_form.SetCaption(title);

    m_skin.folder = m_services.programFolder + "\\skin\\" + ReadSetting(settings, settings::SkinName) + "\\";
    m_skinIni.IniName(m_skin.folder + "shizhi.ini");

    for (int n = 0; n < 4; ++n)
        m_controls.YSBQ[n]->SetText(ReadSetting(settings, settings::NotationLabel[n]));
    m_controls.TiShiBiaoQian->SetText(ReadSetting(settings, settings::HintLabel));
    m_controls.DXAnNiu->SetCaption(ReadSetting(settings, settings::CopyPrefixCaption));
    for (int n = 0; n < 2; ++n)
        m_controls.MB1BQ[n]->SetText(ReadSetting(settings, settings::ListPanelLabel[n]));
    for (int n = 0; n < 6; ++n)
        m_controls.MB4BQ[n]->SetText(ReadSetting(settings, settings::HotkeyPanelLabel[n]));

    m_controls.BeiZhu->SetText(NoteText(ReadSetting(settings, settings::Note)));
    m_lists.Load();
    m_online.FetchTicker();
}

void ZhuJM::LoadSkin()
{
    m_services.showStatus("初始化界面...");
    m_skin.description = skin::ReadSkinDescription(m_skinIni);
    skin::SkinDescription const& skin = m_skin.description;
    // A skin without a background size (no shizhi.ini at all, most often) would shrink the
    // window to nothing: the built-in look stays instead.
    if (skin.backgroundWidth > 0 && skin.backgroundHeight > 0)
        ApplySkin();
    else
        SZYS(PureRed);
    m_services.showStatus("初始化功能...");

    // The shared pictures of panel 1, the same for every skin.
    std::string const shared = m_services.programFolder + "\\skin\\";
    ShowSharedPicture(*m_controls.TPGGK, shared + "logo.jpg", { 0, 0, 111, 63 }, m_form.Images().Budget());
    gfx::Size const pictureInner = m_controls.TPGGK->InnerSize();
    m_controls.WYK->SetPlace(
        { -1, -1, static_cast<float>(pictureInner.width + 2), static_cast<float>(pictureInner.height + 2) });
    ShowSharedPicture(*m_controls.YDYSK, shared + "ydys.bmp", { 0, 0, 247, 157 }, m_form.Images().Budget());
    m_chart.PictureShown();

    m_adjuster.Prepare();
}

void ZhuJM::ApplySkin()
{
    skin::SkinDescription const& skin = m_skin.description;
    MainWindowControls& c = m_controls;
    gfx::PixelBudget& budget = m_form.Images().Budget();
    auto const show = [this](ui::AlphaImage& control, std::string const& name) {
        control.SetImageFile(m_skin.folder + name);
    };
    int const width = Length(skin.backgroundWidth);
    int const height = Length(skin.backgroundHeight);
    c.bj->SetPlace({ 0, 0, static_cast<float>(width), static_cast<float>(height) });
    show(*c.bj, skin.background);
    m_form.SetSize({ width, height });

    Position(*c.BiaoTiLan, skin.title);
    m_chrome.ApplySkin(m_skin.folder, skin);
    for (auto [control, description] : { std::pair { c.ZXHANT, &skin.minimise }, std::pair { c.GBANT, &skin.close },
             std::pair { c.QSTBK, &skin.pick }, std::pair { c.JTTBK, &skin.capture } })
        control->SetPlace(PlaceOf(description->geometry));

    SZYS(PureRed);
    c.YSK->SetPlace(BoxPlaceOf(skin.colourBox, budget));
    for (int n = 0; n < 4; ++n) {
        Position(*c.YSBQ[n], skin.notationCaptions[n]);
        c.YSSR[n]->SetPlace(PlaceOf(skin.notationBoxes[n]));
        show(*c.DBSRK[n], skin.notationFrames[n]);
        c.DBSRK[n]->SetPlace(c.YSSR[n]->Place());
        c.Mianban[n]->SetPlace(PlaceOf(skin.tabs[n].geometry));
    }
    Position(*c.TiShiBiaoQian, skin.hint);
    Position(*c.DXAnNiu, skin.copyPrefix);

    c.FengGeXian->SetPlace(PlaceOf(skin.separator));
    show(*c.FengGeXian, skin.separatorImage);
    c.DBTP->SetPlace(PlaceOf(skin.bottomStrip));
    show(*c.DBTP, skin.bottomImage);
    ui::Placement const strip = c.DBTP->Place();
    c.DBBT->SetPlace({ strip.left + 10, strip.top + 2, std::max(0.0f, strip.width - 10), std::max(0.0f, strip.height - 4) });

    for (int n = 0; n < 2; ++n)
        Position(*c.MB1BQ[n], skin.listCaptions[n]);
    LayOutGrid(skin.recentGrid, c.ZJHQYS.data(), RecentSwatchCount);
    LayOutGrid(skin.savedGrid, c.WBCYS.data(), SavedSwatchCount);

    c.YDYSK->SetPlace(BoxPlaceOf(skin.chartBox, budget));
    c.TPGGK->SetPlace(BoxPlaceOf(skin.pictureBox, budget));

    c.TSBK->SetPlace(BoxPlaceOf(skin.adjusterBox, budget));
    c.TSTK->SetPlace(BoxPlaceOf(skin.hueStrip, budget));
    show(*c.TSZZ, skin.huePointer);
    Position(*c.TSZZ, skin.huePointerPosition);

    for (int j = 0; j < 6; ++j) {
        Position(*c.MB4BQ[j], skin.hotkeyCaptions[j]);
        ui::Control& input = j < 5 ? static_cast<ui::Control&>(*c.MB4SRK[j]) : *c.XQK;
        input.SetPlace(PlaceOf(skin.hotkeyInputs[j]));
        show(*c.MB4DK[j], skin.hotkeyFrame);
        c.MB4DK[j]->SetPlace(input.Place());
    }
    c.BeiZhu->SetPlace(PlaceOf(skin.note));
    c.BCSZAN->SetPlace(PlaceOf(skin.save.geometry));
}

void ZhuJM::LayOutGrid(skin::SwatchGrid const& grid, ui::SwatchImage* const* swatches, int count)
{
    // A grid that cannot be laid out as a whole keeps its built-in places.
    for (int j = 0; j < count; ++j) {
        if (!skin::SwatchPlaceOf(grid, j))
            return;
    }
    // One decoded picture, charged once, shows in every swatch.
    auto const placeholder = m_form.Images().Load(m_skin.folder + grid.placeholder);
    for (int j = 0; j < count; ++j) {
        auto const place = *skin::SwatchPlaceOf(grid, j);
        int const side = Length(place.size);
        swatches[j]->SetPlace({ static_cast<float>(place.left), static_cast<float>(place.top),
            static_cast<float>(side), static_cast<float>(side) });
        swatches[j]->SetEmptyLook(swatches[j]->EmptyBackColour(), placeholder);
    }
}

}
