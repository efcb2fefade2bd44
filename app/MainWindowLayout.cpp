// The window's built-in layout: where every control sits and what it shows before a skin is
// applied. The places are the default skin's, so a missing skin folder changes only the pictures.

#include "app/BuiltInPictures.h"
#include "app/MainWindowControls.h"
#include "colour/CurrentColour.h"
#include "skin/SkinDescription.h"

#include <string>

namespace app {

namespace {

std::string Indexed(char const* name, int index) { return std::string(name) + "(" + std::to_string(index) + ")"; }

ui::Placement Place(int left, int top, int width, int height)
{
    return { static_cast<float>(left), static_cast<float>(top), static_cast<float>(width), static_cast<float>(height) };
}

ui::Placement Place(skin::Geometry g) { return Place(g.left, g.top, g.width, g.height); }

ui::AlphaImage& AddImage(ui::Form& form, std::string name, ui::Placement place, ui::PictureMaker picture)
{
    auto& image = form.Add<ui::AlphaImage>(std::move(name), std::move(picture));
    image.SetPlace(place);
    return image;
}

ui::PictureMaker Button(ButtonGlyph glyph, platform::TextRenderer& text)
{
    return [glyph, &text](gfx::Size size, double scale) { return BuiltInButton(size, glyph, text, scale); };
}

ui::PictureMaker Frame()
{
    return [](gfx::Size size, double scale) { return BuiltInFrame(size, scale); };
}

ui::Label& AddLabel(
    ui::Form& form, std::string name, skin::Position at, std::string text, Colour colour = 0x433C3C)
{
    auto& label = form.Add<ui::Label>(std::move(name));
    label.SetForeColour(colour);
    label.SetAutoSize(true);
    label.SetText(std::move(text));
    label.SetPosition(static_cast<float>(at.left), static_cast<float>(at.top));
    return label;
}

ui::SwatchImage& AddSwatch(ui::Form& form, std::string name, ui::Placement place)
{
    auto& swatch = form.Add<ui::SwatchImage>(std::move(name));
    swatch.SetPlace(place);
    swatch.SetEmptyLook(MakeColour(236, 238, 241), nullptr);
    return swatch;
}

void BuildHeader(ui::Form& form, MainWindowControls& c, skin::SkinDescription const& skin)
{
    platform::TextRenderer& text = form.Text();
    ui::Placement const window = Place(0, 0, skin.backgroundWidth, skin.backgroundHeight);
    int const titleBand = static_cast<int>(skin.dragRegionHeight);
    c.bj = &AddImage(form, "bj", window,
        [titleBand](gfx::Size size, double scale) { return BuiltInBackground(size, titleBand, scale); });
    c.BiaoTiLan = &AddLabel(form, "BiaoTiLan", skin.title, "取色器", 0xFFFFFF);
    ui::Placement const minimise = Place(skin.minimise.geometry);
    ui::Placement const close = Place(skin.close.geometry);
    c.ZXHANT = &AddImage(form, "ZXHANT", minimise, Button(ButtonGlyph::Minimise, text));
    c.GBANT = &AddImage(form, "GBANT", close, Button(ButtonGlyph::Close, text));

    c.YSK = &form.Add<ui::PictureBox>("YSK");
    c.YSK->SetPlace(Place(skin.colourBox));
    c.YSK->SetBorderWidth(1);

    ui::Placement const pick = Place(skin.pick.geometry);
    ui::Placement const capture = Place(skin.capture.geometry);
    c.QSTBK = &AddImage(form, "QSTBK", pick, Button(ButtonGlyph::Pick, text));
    c.JTTBK = &AddImage(form, "JTTBK", capture, Button(ButtonGlyph::Capture, text));

    static char const* const captions[4] = { "十进制", "网页色", "十六进制", "百分比" };
    NotationTexts const placeholders = PlaceholderNotationTexts();
    for (int n = 0; n < 4; ++n) {
        c.YSBQ[n] = &AddLabel(form, Indexed("YSBQ", n), skin.notationCaptions[n], captions[n]);
        ui::Placement const box = Place(skin.notationBoxes[n]);
        c.DBSRK[n] = &AddImage(form, Indexed("DBSRK", n), box, Frame());
        c.YSSR[n] = &form.Add<ui::TextBox>(Indexed("YSSR", n));
        c.YSSR[n]->SetPlace(box);
        c.YSSR[n]->SetText(placeholders[n]);
    }

    c.DXAnNiu = &form.Add<ui::CheckBox>("DXAnNiu");
    c.DXAnNiu->SetPlace(Place(skin.copyPrefix.left, skin.copyPrefix.top, 96, 20));
    c.DXAnNiu->SetCaption("复制前缀");
    c.DXAnNiu->SetChecked(true);
    c.TiShiBiaoQian = &AddLabel(form, "TiShiBiaoQian", skin.hint, "双击文本框即可复制", 0x868077);

    for (int n = 0; n < PanelCount; ++n) {
        ui::Placement const tab = Place(skin.tabs[n].geometry);
        TabLook const look = n == 0 ? TabLook::Selected : TabLook::Normal;
        c.Mianban[n] = &AddImage(form, Indexed("Mianban", n), tab, BuiltInTabMaker(n, look, text));
    }
}

void AddSwatches(ui::Form& form, char const* name, skin::SwatchGrid const& grid, ui::SwatchImage** swatches, int count)
{
    for (int j = 0; j < count; ++j) {
        // The default grids always lay out.
        skin::SwatchPlace const place = *skin::SwatchPlaceOf(grid, j);
        swatches[j] = &AddSwatch(form, Indexed(name, j), Place(place.left, place.top, place.size, place.size));
    }
}

void BuildListPanel(ui::Form& form, MainWindowControls& c, skin::SkinDescription const& skin)
{
    c.MB1BQ[0] = &AddLabel(form, "MB1BQ(0)", skin.listCaptions[0], "最近使用的颜色");
    AddSwatches(form, "ZJHQYS", skin.recentGrid, c.ZJHQYS.data(), RecentSwatchCount);
    c.MB1BQ[1] = &AddLabel(form, "MB1BQ(1)", skin.listCaptions[1], "我保存的颜色");
    AddSwatches(form, "WBCYS", skin.savedGrid, c.WBCYS.data(), SavedSwatchCount);
}

void BuildChartPanel(ui::Form& form, MainWindowControls& c, skin::SkinDescription const& skin)
{
    c.YDYSK = &form.Add<ui::PictureBox>("YDYSK");
    c.YDYSK->SetPlace(Place(skin.chartBox));
    c.YDYSK->SetBackColour(0xFFFFFF);
    c.TPGGK = &form.Add<ui::PictureBox>("TPGGK");
    c.TPGGK->SetPlace(Place(skin.pictureBox));
    c.TPGGK->SetBackColour(0xFFFFFF);
    c.WYK = &form.AddInside<ui::WebBrowserBox>(*c.TPGGK, "WYK");
    // Its own border falls outside the box.
    c.WYK->SetPlace(Place(-1, -1, skin.pictureBox.width + 2, skin.pictureBox.height + 2));
    c.WYK->SetVisible(false);
}

void BuildAdjusterPanel(ui::Form& form, MainWindowControls& c, skin::SkinDescription const& skin)
{
    c.TSBK = &form.Add<ui::PictureBox>("TSBK");
    c.TSBK->SetPlace(Place(skin.adjusterBox));
    c.TSBK->SetBackColour(0xFFFFFF);
    c.TSTK = &form.Add<ui::PictureBox>("TSTK");
    c.TSTK->SetPlace(Place(skin.hueStrip));
    c.TSTK->SetBackColour(0xFFFFFF);
    ui::Placement const pointerPlace = Place(
        skin.huePointerPosition.left, skin.huePointerPosition.top, HuePointerSize.width, HuePointerSize.height);
    c.TSZZ = &AddImage(form, "TSZZ", pointerPlace, [](gfx::Size size, double) { return BuiltInHuePointer(size); });
    c.TSZZ->SetAutoSize(true);
    c.TSYQ = &form.AddInside<ui::CircleShape>(*c.TSBK, "TSYQ");
    c.TSYQ->SetPlace({ 50, 50, 4, 4 });
}

void BuildHotkeyPanel(ui::Form& form, MainWindowControls& c, skin::SkinDescription const& skin)
{
    platform::TextRenderer& text = form.Text();
    static char const* const captions[6]
        = { "显示/隐藏窗口", "屏幕取色", "保存当前颜色", "切换复制前缀", "屏幕截图", "取色后复制" };
    for (int j = 0; j < 6; ++j) {
        c.MB4BQ[j] = &AddLabel(form, Indexed("MB4BQ", j), skin.hotkeyCaptions[j], captions[j]);
        ui::Placement const input = Place(skin.hotkeyInputs[j]);
        c.MB4DK[j] = &AddImage(form, Indexed("MB4DK", j), input, Frame());
        if (j < 5) {
            c.MB4SRK[j] = &form.Add<ui::TextBox>(Indexed("MB4SRK", j));
            c.MB4SRK[j]->SetPlace(input);
        } else {
            c.XQK = &form.Add<ui::ComboBox>("XQK");
            c.XQK->SetPlace(input);
        }
    }
    c.BeiZhu = &form.Add<ui::Label>("BeiZhu");
    c.BeiZhu->SetPlace(Place(skin.note));
    c.BeiZhu->SetWordWrap(true);
    c.BeiZhu->SetForeColour(0x868077);
    c.BeiZhu->SetText("在输入框中按下新的组合键，然后点击保存。");
    ui::Placement const save = Place(skin.save.geometry);
    c.BCSZAN = &AddImage(form, "BCSZAN", save, Button(ButtonGlyph::Save, text));
}

void BuildFooter(ui::Form& form, MainWindowControls& c, skin::SkinDescription const& skin)
{
    ui::Placement const separator = Place(skin.separator);
    c.FengGeXian
        = &AddImage(form, "FengGeXian", separator, [](gfx::Size size, double) { return BuiltInSeparator(size); });
    ui::Placement const strip = Place(skin.bottomStrip);
    c.DBTP = &AddImage(
        form, "DBTP", strip, [](gfx::Size size, double scale) { return BuiltInBottomStrip(size, scale); });
    // The link text sits inside the strip as a skin places it.
    c.DBBT = &form.Add<ui::Label>("DBBT");
    c.DBBT->SetPlace({ strip.left + 10, strip.top + 2, strip.width - 10, strip.height - 4 });
}

// Only the panel of the colour lists shows at first.
void ShowFirstPanelOnly(MainWindowControls& c)
{
    for (ui::Control* control : { static_cast<ui::Control*>(c.YDYSK), static_cast<ui::Control*>(c.TPGGK),
             static_cast<ui::Control*>(c.TSBK), static_cast<ui::Control*>(c.TSTK), static_cast<ui::Control*>(c.TSZZ),
             static_cast<ui::Control*>(c.XQK), static_cast<ui::Control*>(c.BeiZhu),
             static_cast<ui::Control*>(c.BCSZAN) })
        control->SetVisible(false);
    for (auto* label : c.MB4BQ)
        label->SetVisible(false);
    for (auto* frame : c.MB4DK)
        frame->SetVisible(false);
    for (auto* input : c.MB4SRK)
        input->SetVisible(false);
}

}

ui::PictureMaker BuiltInTabMaker(int tab, TabLook look, platform::TextRenderer& text)
{
    return [tab, look, &text](gfx::Size size, double scale) {
        return BuiltInTab(size, skin::TabCaptions[tab], look, text, scale);
    };
}

MainWindowControls BuildMainWindow(ui::Form& form)
{
    skin::SkinDescription const& skin = skin::DefaultSkinDescription();
    form.SetSize({ skin.backgroundWidth, skin.backgroundHeight });
    form.SetBackColour(TransparentKeyColour);
    MainWindowControls controls;
    BuildHeader(form, controls, skin);
    BuildListPanel(form, controls, skin);
    BuildChartPanel(form, controls, skin);
    BuildAdjusterPanel(form, controls, skin);
    BuildHotkeyPanel(form, controls, skin);
    BuildFooter(form, controls, skin);
    ShowFirstPanelOnly(controls);
    return controls;
}

}
