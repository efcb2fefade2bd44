// The main window's texts and look from the settings file and a skin written by the test.

#include "MainWindowFixture.h"

#include "skin/SkinDescriptionText.h"

#include <map>

namespace {

// A small complete skin: every control family has a place of its own.
std::string const SmallSkin = R"([TouBu]
BeiJingTu_W=300
BeiJingTu_H=400
BeiJingTu=bg.png
BiaoTiLan_L=8
BiaoTiLan_T=6
BTFW_W=200
BTFW_H=30
AnNiu_ZXH_ZC=min.png
AnNiu_ZXH_JG=min_hover.png
AnNiu_ZXH_AX=min_down.png
AnNiu_ZXH_L=250
AnNiu_ZXH_T=2
AnNiu_ZXH_W=20
AnNiu_ZXH_H=18
AnNiu_GB_ZC=close.png
AnNiu_GB_JG=close_hover.png
AnNiu_GB_AX=close_down.png
AnNiu_GB_L=275
AnNiu_GB_T=2
AnNiu_GB_W=20
AnNiu_GB_H=18
[QuSeBu]
YanSeKuang_L=10
YanSeKuang_T=40
YanSeKuang_W=80
YanSeKuang_H=70
YanSeZhiShi2_L=150
YanSeZhiShi2_T=90
YanSeZhiShi2_W=100
YanSeZhiShi2_H=20
BJT2=frame.png
YanSeBiaoQian2_L=100
YanSeBiaoQian2_T=92
[MianBanTuBiaoBu]
AnNiu1_zc=tab1.png
AnNiu1_jg=tab1_hover.png
AnNiu1_ax=tab1_on.png
AnNiu1_L=80
AnNiu1_T=150
AnNiu1_W=70
AnNiu1_H=22
[DiBu]
DiBuTuPian_L=0
DiBuTuPian_T=370
DiBuTuPian_W=300
DiBuTuPian_H=30
[MianBan0]
YanSe0_HS=6
YanSe0_DX=18
YanSe0_JL=20
YanSe0_L=10
YanSe0_T=30
YanSe1_HS=36
YanSe1_DX=8
YanSe1_JL=8
YanSe1_L=0
YanSe1_T=300
[MianBan2]
TiaoSeBan_L=10
TiaoSeBan_T=180
TiaoSeBan_W=102
TiaoSeBan_H=102
TiaoSeTiao_L=130
TiaoSeTiao_T=180
TiaoSeTiao_W=13
TiaoSeTiao_H=180
TiaoSeZZ_L=150
TiaoSeZZ_T=5
[MianBan3]
KJShuRu5_L=120
KJShuRu5_T=330
KJShuRu5_W=150
KJShuRu5_H=22
)";

class Skin : public MainWindowFixture {
protected:
    void UseSkin(std::string const& name, std::string const& description)
    {
        WriteFile("path.ini", "[RJSZ]\r\nPiFu=" + name + "\r\nbtwz=测试取色器\r\n");
        WriteFile("skin/" + name + "/shizhi.ini", description);
    }

    void Load()
    {
        Window().LoadUiTexts();
        Window().LoadSkin();
    }

    static gfx::Rect Bounds(ui::Control const* control) { return control->PixelBounds(); }
};

TEST_F(Skin, TextsComeFromTheSettingsFile)
{
    WriteFile("path.ini", "[rjsz]\r\nBTWZ=我的取色器\r\nysbq3=十六进制值\r\nfzqz=带前缀\r\nkjj6=复制哪种\r\n"
                          "beizhu=第一行/n第二行/N第三行\r\nZJYS=&HFF,&H0\r\n");
    Window().LoadUiTexts();
    EXPECT_EQ(Controls().BiaoTiLan->Text(), "我的取色器");
    EXPECT_EQ(Window().Form().Caption(), "我的取色器");
    EXPECT_EQ(Controls().YSBQ[2]->Text(), "十六进制值");
    EXPECT_EQ(Controls().YSBQ[0]->Text(), "") << "a missing text is an empty caption";
    EXPECT_EQ(Controls().DXAnNiu->Caption(), "带前缀");
    EXPECT_EQ(Controls().MB4BQ[5]->Text(), "复制哪种");
    EXPECT_EQ(Controls().BeiZhu->Text(), "第一行\r\n第二行\r\n第三行");
    EXPECT_EQ(Window().RecentListText(), "&HFF,&H0");
    EXPECT_EQ(m_statuses.front(), "软件语言配置中...");
}

TEST_F(Skin, EveryControlFamilyTakesItsPlace)
{
    UseSkin("Small", SmallSkin);
    Load();
    EXPECT_EQ(Window().Form().Size(), (gfx::Size { 300, 400 }));
    EXPECT_EQ(Bounds(Controls().bj), (gfx::Rect { 0, 0, 300, 400 }));
    EXPECT_EQ(Controls().bj->ImageFile(), Window().SkinFolder() + "bg.png");
    EXPECT_EQ(Bounds(Controls().GBANT), (gfx::Rect { 275, 2, 20, 18 }));
    EXPECT_EQ(Controls().GBANT->ImageFile(), Window().SkinFolder() + "close.png");
    EXPECT_EQ(Bounds(Controls().YSK).Location(), (gfx::Point { 10, 40 }));
    EXPECT_EQ(Bounds(Controls().YSSR[2]), (gfx::Rect { 150, 90, 100, 20 }));
    EXPECT_EQ(Bounds(Controls().DBSRK[2]), Bounds(Controls().YSSR[2])) << "the frame covers its box";
    EXPECT_EQ(Bounds(Controls().YSBQ[2]).Location(), (gfx::Point { 100, 92 }));
    EXPECT_EQ(Bounds(Controls().Mianban[1]), (gfx::Rect { 80, 150, 70, 22 }));
    EXPECT_EQ(Bounds(Controls().MB4DK[5]), Bounds(Controls().XQK));
    EXPECT_EQ(Bounds(Controls().DBBT), (gfx::Rect { 10, 372, 290, 26 }));
    EXPECT_EQ(Controls().YSSR[0]->Text(), "255,0,0");
    EXPECT_EQ(m_statuses, (std::vector<std::string> { "软件语言配置中...", "初始化界面...", "初始化功能..." }));
}

TEST_F(Skin, SwatchGridsFillRowByRow)
{
    UseSkin("Small", SmallSkin);
    Load();
    EXPECT_EQ(Bounds(Controls().ZJHQYS[7]), (gfx::Rect { 30, 50, 18, 18 }));
    EXPECT_EQ(Bounds(Controls().ZJHQYS[17]), (gfx::Rect { 110, 70, 18, 18 }));
    EXPECT_EQ(Bounds(Controls().WBCYS[35]), (gfx::Rect { 280, 300, 8, 8 })) << "36 columns: one row";
    EXPECT_FALSE(Controls().ZJHQYS[0]->HasBorder());
}

TEST_F(Skin, AGridThatCannotBeLaidOutKeepsItsPlacesAndTheRestApplies)
{
    std::string skin = SmallSkin;
    skin.replace(skin.find("YanSe0_HS=6"), 11, "YanSe0_HS=0");
    skin.replace(skin.find("YanSe1_L=0"), 10, "YanSe1_L=40000");
    UseSkin("Bad", skin);
    Window();
    gfx::Rect const recentBefore = Bounds(Controls().ZJHQYS[7]);
    gfx::Rect const savedBefore = Bounds(Controls().WBCYS[3]);
    Load();
    EXPECT_EQ(Bounds(Controls().ZJHQYS[7]), recentBefore);
    EXPECT_EQ(Bounds(Controls().WBCYS[3]), savedBefore);
    EXPECT_EQ(Window().Form().Size(), (gfx::Size { 300, 400 }));

    skin.replace(skin.find("YanSe1_L=40000"), 14, "YanSe1_L=32700");
    UseSkin("Bad2", skin);
    m_window.reset();
    Load();
    EXPECT_EQ(Bounds(Controls().WBCYS[3]), savedBefore) << "a swatch beyond 32767 spoils the whole grid";

    skin.replace(skin.find("YanSe0_HS=0"), 11, "YanSe0_HS=40000");
    UseSkin("Bad3", skin);
    m_window.reset();
    Load();
    EXPECT_EQ(Bounds(Controls().ZJHQYS[7]), recentBefore) << "a column count beyond 16 bits";
}

TEST_F(Skin, ASkinWithoutItsFolderLeavesTheBuiltInWindow)
{
    WriteFile("path.ini", "[RJSZ]\r\nPiFu=NoSuchSkin\r\n");
    Window();
    gfx::Size const builtIn = Window().Form().Size();
    Load();
    EXPECT_EQ(Window().Form().Size(), builtIn);
    EXPECT_EQ(Window().SkinFolder(), m_system.ProgramFolder() + "\\skin\\NoSuchSkin\\");
    EXPECT_EQ(Controls().YSSR[1]->Text(), "#FF0000");
}

TEST_F(Skin, AnEmptySkinNameMeansTheSkinRoot)
{
    WriteFile("path.ini", "[RJSZ]\r\nPiFu=\r\n");
    WriteFile("skin/shizhi.ini", "[TOUBU]\r\nbeijingtu_w=222\r\nBeiJingTu_H=333\r\n");
    Load();
    EXPECT_EQ(Window().SkinFolder(), m_system.ProgramFolder() + "\\skin\\\\");
    EXPECT_EQ(Window().Form().Size(), (gfx::Size { 222, 333 })) << "names in any letter case";
}

TEST_F(Skin, LongImageNamesAreCut)
{
    UseSkin("Small", "[TouBu]\r\nBeiJingTu_W=10\r\nBeiJingTu_H=10\r\nAnNiu_GB_ZC=abcdefghijklmnopqrstuvwxy.png\r\n"
                     "BeiJingTu=" + std::string(60, 'b') + "\r\n");
    Load();
    EXPECT_EQ(Controls().GBANT->ImageFile(), Window().SkinFolder() + "abcdefghijklmnopqrs");
    EXPECT_EQ(Controls().bj->ImageFile(), Window().SkinFolder() + std::string(49, 'b'));
}

TEST_F(Skin, TheHuePointerFollowsTheHueAndKeepsItsLeft)
{
    UseSkin("Small", SmallSkin);
    Load();
    ui::AlphaImage const& pointer = *Controls().TSZZ;
    EXPECT_EQ(pointer.Place().left, 150);
    // Hue 180 sits half way down the strip: (360 - 180) * 180 / 360 + 180 - height / 2.
    EXPECT_FLOAT_EQ(pointer.Place().top, 90.0f + 180.0f - pointer.Height() / 2.0f);
    Window().DrawAdjusterBox(0);
    EXPECT_FLOAT_EQ(pointer.Place().top, 180.0f + 180.0f - pointer.Height() / 2.0f);
    Colour const reddish = Controls().TSBK->PointColour(50, 50);
    EXPECT_GT(RedOf(reddish), GreenOf(reddish)) << "the box is drawn for the new hue";
    EXPECT_EQ(GreenOf(reddish), BlueOf(reddish));
    EXPECT_EQ(Controls().TSBK->PointColour(-1, 50), 13606920) << "inside its frame";
}

TEST_F(Skin, TheDefaultSkinReadsBackAsDescribedAndPlacesEveryControlWhereTheBuiltInLayoutDoes)
{
    skin::SkinDescription const& flat = skin::DefaultSkinDescription();
    UseSkin("Flat", skin::SkinDescriptionText(flat));
    INIDX ini(m_system.Profiles());
    ini.IniName(m_system.ProgramFolder() + "\\skin\\Flat\\shizhi.ini");
    EXPECT_TRUE(skin::ReadSkinDescription(ini) == flat) << "a key the writer and the reader spell apart";

    // Without its skin folder the window must not stand elsewhere, only look plainer.
    auto placesAfterLoading = [this] {
        m_window.reset();
        Load();
        std::map<std::string, gfx::Rect> places;
        for (auto const& control : Window().Form().Controls())
            places[control->Name()] = Bounds(control.get());
        // Its size is its picture's, which the fake folder does not hold.
        places.erase("TSZZ");
        return places;
    };
    std::map<std::string, gfx::Rect> const skinned = placesAfterLoading();
    WriteFile("path.ini", "[RJSZ]\r\nPiFu=NoSuchSkin\r\nbtwz=测试取色器\r\n");
    std::map<std::string, gfx::Rect> const builtIn = placesAfterLoading();
    for (auto const& [name, place] : skinned)
        EXPECT_EQ(builtIn.at(name), place) << name;
    EXPECT_EQ(Controls().TSZZ->Place().left, flat.huePointerPosition.left);

    // The whole title band left of the buttons drags, skin or not.
    Window().Form().PointerDown({ flat.minimise.geometry.left - 1, 5 }, ui::LeftButton, 0);
    EXPECT_TRUE(Window().DragActive());
}

}

// Was: five picture boxes of 16384 x 4096 took 1.3 GB and 4.5 s to start; each side was sound.
TEST_F(Skin, PictureBoxesBeyondTheSkinsPixelBudgetAreLeftOut)
{
    std::string skin = SmallSkin;
    for (char const* box : { "YanSeKuang", "TiaoSeBan", "TiaoSeTiao" }) {
        for (char const* side : { "_W=", "_H=" }) {
            std::size_t const at = skin.find(std::string(box) + side);
            std::size_t const end = skin.find('\n', at);
            skin.replace(at, end - at, std::string(box) + side + (side[1] == 'W' ? "6000" : "4096"));
        }
    }
    skin += "[MianBan1]\nYanSeKuang_W=6000\nYanSeKuang_H=4096\nTuPianKuang_W=6000\nTuPianKuang_H=4096\n";
    UseSkin("Huge", skin);
    Load();
    EXPECT_EQ(Window().Form().Size(), (gfx::Size { 300, 400 })) << "the window opens";
    std::int64_t held = 0;
    int shown = 0;
    for (ui::PictureBox* box : { Controls().YSK, Controls().YDYSK, Controls().TPGGK, Controls().TSBK, Controls().TSTK }) {
        held += std::int64_t { box->InnerSize().width } * box->InnerSize().height;
        shown += box->InnerSize().width > 0 ? 1 : 0;
    }
    EXPECT_LE(held, gfx::FormPixelBudget);
    EXPECT_EQ(shown, 1) << "what fits is kept";
}
