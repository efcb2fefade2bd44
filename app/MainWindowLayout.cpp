// The window's built-in layout: where every control sits and what it shows before a skin is
// applied. A skin decides all of this later; this layout is what a missing skin still shows.

#include "app/BuiltInPictures.h"
#include "app/MainWindowControls.h"
#include "colour/CurrentColour.h"

#include <string>

namespace app {

namespace {

constexpr int WindowWidth = 330;
constexpr int WindowHeight = 500;
constexpr int TitleBand = 32;
constexpr int Margin = 12;
constexpr int PanelTop = 204;

std::string Indexed(char const* name, int index) { return std::string(name) + "(" + std::to_string(index) + ")"; }

ui::Placement Place(int left, int top, int width, int height)
{
    return { static_cast<float>(left), static_cast<float>(top), static_cast<float>(width), static_cast<float>(height) };
}

ui::AlphaImage& AddImage(ui::Form& form, std::string name, ui::Placement place, gfx::Image picture)
{
    auto& image = form.Add<ui::AlphaImage>(std::move(name), std::move(picture));
    image.SetPlace(place);
    return image;
}

ui::Label& AddLabel(ui::Form& form, std::string name, int left, int top, std::string text, Colour colour = 0x433C3C)
{
    auto& label = form.Add<ui::Label>(std::move(name));
    label.SetForeColour(colour);
    label.SetAutoSize(true);
    label.SetText(std::move(text));
    label.SetPosition(static_cast<float>(left), static_cast<float>(top));
    return label;
}

gfx::Size SizeOf(ui::Placement place)
{
    return { static_cast<int>(place.width), static_cast<int>(place.height) };
}

ui::SwatchImage& AddSwatch(ui::Form& form, std::string name, ui::Placement place)
{
    auto& swatch = form.Add<ui::SwatchImage>(std::move(name));
    swatch.SetPlace(place);
    swatch.SetBackColour(MakeColour(236, 238, 241));
    swatch.SetFlat(true);
    return swatch;
}

void BuildHeader(ui::Form& form, MainWindowControls& c)
{
    platform::TextRenderer& text = form.Text();
    c.bj = &AddImage(form, "bj", Place(0, 0, WindowWidth, WindowHeight),
        BuiltInBackground({ WindowWidth, WindowHeight }, TitleBand));
    c.BiaoTiLan = &AddLabel(form, "BiaoTiLan", Margin, 9, "取色器", 0xFFFFFF);
    ui::Placement const minimise = Place(WindowWidth - 64, 4, 28, 24);
    ui::Placement const close = Place(WindowWidth - 34, 4, 28, 24);
    c.ZXHANT = &AddImage(form, "ZXHANT", minimise, BuiltInButton(SizeOf(minimise), ButtonGlyph::Minimise, text));
    c.GBANT = &AddImage(form, "GBANT", close, BuiltInButton(SizeOf(close), ButtonGlyph::Close, text));

    c.YSK = &form.Add<ui::PictureBox>("YSK");
    c.YSK->SetPlace(Place(Margin, 44, 88, 96));
    c.YSK->SetBorderWidth(1);

    ui::Placement const pick = Place(108, 44, 30, 30);
    ui::Placement const capture = Place(108, 82, 30, 30);
    c.QSTBK = &AddImage(form, "QSTBK", pick, BuiltInButton(SizeOf(pick), ButtonGlyph::Pick, text));
    c.JTTBK = &AddImage(form, "JTTBK", capture, BuiltInButton(SizeOf(capture), ButtonGlyph::Capture, text));

    static char const* const captions[4] = { "十进制", "网页色", "十六进制", "百分比" };
    NotationTexts const placeholders = PlaceholderNotationTexts();
    for (int n = 0; n < 4; ++n) {
        int const top = 44 + 26 * n;
        c.YSBQ[n] = &AddLabel(form, Indexed("YSBQ", n), 146, top + 4, captions[n]);
        ui::Placement const box = Place(200, top, 118, 22);
        c.DBSRK[n] = &AddImage(form, Indexed("DBSRK", n), box, BuiltInFrame(SizeOf(box)));
        c.YSSR[n] = &form.Add<ui::TextBox>(Indexed("YSSR", n));
        c.YSSR[n]->SetPlace(box);
        c.YSSR[n]->SetText(placeholders[n]);
    }

    c.DXAnNiu = &form.Add<ui::CheckBox>("DXAnNiu");
    c.DXAnNiu->SetPlace(Place(Margin, 150, 96, 20));
    c.DXAnNiu->SetCaption("复制前缀");
    c.DXAnNiu->SetChecked(true);
    c.TiShiBiaoQian = &AddLabel(form, "TiShiBiaoQian", 146, 153, "双击文本框即可复制", 0x868077);

    static char const* const tabs[PanelCount] = { "颜色", "色卡", "调色", "热键" };
    for (int n = 0; n < PanelCount; ++n) {
        ui::Placement const tab = Place(Margin + 77 * n, 174, 75, 24);
        TabLook const look = n == 0 ? TabLook::Selected : TabLook::Normal;
        c.Mianban[n] = &AddImage(form, Indexed("Mianban", n), tab, BuiltInTab(SizeOf(tab), tabs[n], look, text));
    }
}

void BuildListPanel(ui::Form& form, MainWindowControls& c)
{
    c.MB1BQ[0] = &AddLabel(form, "MB1BQ(0)", Margin, PanelTop + 4, "最近使用的颜色");
    for (int j = 0; j < RecentSwatchCount; ++j)
        c.ZJHQYS[j] = &AddSwatch(form, Indexed("ZJHQYS", j),
            Place(Margin + 34 * (j % 9), PanelTop + 24 + 34 * (j / 9), 30, 30));
    c.MB1BQ[1] = &AddLabel(form, "MB1BQ(1)", Margin, PanelTop + 100, "我保存的颜色");
    for (int j = 0; j < SavedSwatchCount; ++j)
        c.WBCYS[j] = &AddSwatch(form, Indexed("WBCYS", j),
            Place(Margin + 34 * (j % 9), PanelTop + 120 + 34 * (j / 9), 30, 30));
}

void BuildChartPanel(ui::Form& form, MainWindowControls& c)
{
    c.YDYSK = &form.Add<ui::PictureBox>("YDYSK");
    c.YDYSK->SetPlace(Place(Margin, PanelTop + 4, 306, 160));
    c.YDYSK->SetBackColour(0xFFFFFF);
    c.TPGGK = &form.Add<ui::PictureBox>("TPGGK");
    c.TPGGK->SetPlace(Place(Margin, PanelTop + 172, 306, 72));
    c.TPGGK->SetBackColour(0xFFFFFF);
    c.WYK = &form.AddInside<ui::WebBrowserBox>(*c.TPGGK, "WYK");
    c.WYK->SetPlace(Place(-1, -1, 306 + 2, 72 + 2));
    c.WYK->SetVisible(false);
}

void BuildAdjusterPanel(ui::Form& form, MainWindowControls& c)
{
    c.TSBK = &form.Add<ui::PictureBox>("TSBK");
    c.TSBK->SetPlace(Place(Margin, PanelTop + 4, 204, 204));
    c.TSBK->SetBackColour(0xFFFFFF);
    c.TSTK = &form.Add<ui::PictureBox>("TSTK");
    c.TSTK->SetPlace(Place(236, PanelTop + 4, 13, 204));
    c.TSTK->SetBackColour(0xFFFFFF);
    c.TSZZ = &AddImage(form, "TSZZ", Place(251, PanelTop + 100, 7, 11), BuiltInHuePointer());
    c.TSZZ->SetAutoSize(true);
    c.TSYQ = &form.AddInside<ui::CircleShape>(*c.TSBK, "TSYQ");
    c.TSYQ->SetPlace({ 50, 50, 4, 4 });
}

void BuildHotkeyPanel(ui::Form& form, MainWindowControls& c)
{
    platform::TextRenderer& text = form.Text();
    static char const* const captions[6]
        = { "显示/隐藏窗口", "屏幕取色", "保存当前颜色", "切换复制前缀", "屏幕截图", "取色后复制" };
    for (int j = 0; j < 6; ++j) {
        int const top = PanelTop + 4 + 30 * j;
        c.MB4BQ[j] = &AddLabel(form, Indexed("MB4BQ", j), Margin, top + 4, captions[j]);
        ui::Placement const input = Place(130, top, 188, 22);
        c.MB4DK[j] = &AddImage(form, Indexed("MB4DK", j), input, BuiltInFrame(SizeOf(input)));
        if (j < 5) {
            c.MB4SRK[j] = &form.Add<ui::TextBox>(Indexed("MB4SRK", j));
            c.MB4SRK[j]->SetPlace(input);
        } else {
            c.XQK = &form.Add<ui::ComboBox>("XQK");
            c.XQK->SetPlace(input);
        }
    }
    c.BeiZhu = &form.Add<ui::Label>("BeiZhu");
    c.BeiZhu->SetPlace(Place(Margin, PanelTop + 186, 220, 44));
    c.BeiZhu->SetWordWrap(true);
    c.BeiZhu->SetForeColour(0x868077);
    c.BeiZhu->SetText("在输入框中按下新的组合键，然后点击保存。");
    ui::Placement const save = Place(WindowWidth - Margin - 72, PanelTop + 190, 72, 28);
    c.BCSZAN = &AddImage(form, "BCSZAN", save, BuiltInButton(SizeOf(save), ButtonGlyph::Save, text));
}

void BuildFooter(ui::Form& form, MainWindowControls& c)
{
    ui::Placement const separator = Place(Margin, WindowHeight - 34, WindowWidth - 2 * Margin, 1);
    c.FengGeXian = &AddImage(form, "FengGeXian", separator, BuiltInSeparator(SizeOf(separator)));
    ui::Placement const strip = Place(0, WindowHeight - 26, WindowWidth, 26);
    c.DBTP = &AddImage(form, "DBTP", strip, BuiltInBottomStrip(SizeOf(strip)));
    c.DBBT = &form.Add<ui::Label>("DBBT");
    c.DBBT->SetPlace(Place(10, WindowHeight - 24, WindowWidth - 10, 22));
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

MainWindowControls BuildMainWindow(ui::Form& form)
{
    form.SetSize({ WindowWidth, WindowHeight });
    form.SetBackColour(TransparentKeyColour);
    MainWindowControls controls;
    BuildHeader(form, controls);
    BuildListPanel(form, controls);
    BuildChartPanel(form, controls);
    BuildAdjusterPanel(form, controls);
    BuildHotkeyPanel(form, controls);
    BuildFooter(form, controls);
    ShowFirstPanelOnly(controls);
    return controls;
}

}
