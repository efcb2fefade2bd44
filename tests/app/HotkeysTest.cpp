// The hotkeys through the main window: what the panel shows and a key-down in a chord box takes,
// which pressed hotkeys run their action, registration results, and saving with its refusals.

#include "MainWindowFixture.h"
#include "shell/SettingsFile.h"
#include "shell/SettingsWriter.h"

#include <filesystem>

namespace {

class Hotkeys : public MainWindowFixture {
protected:
    void StartWith(std::string const& kjjLine)
    {
        WriteFile("path.ini", "[RJSZ]\r\nysbq1=十进制\r\nysbq2=网页色\r\nysbq3=十六进制\r\nysbq4=百分比\r\n" + kjjLine);
        ASSERT_TRUE(Window().CSHZJM());
    }

    void KeyDown(int box, int keyCode, int shift)
    {
        Window().Form().KeyDownOn(*Controls().MB4SRK[static_cast<size_t>(box)], { keyCode, shift });
    }

    std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> texts;
        for (ui::TextBox const* box : Controls().MB4SRK)
            texts.push_back(box->Text());
        return texts;
    }

    std::string Stored() { return ReadSetting(m_settingsIni, settings::Hotkeys); }
    bool PrefixTicked() { return Controls().DXAnNiu->Checked(); }
};

TEST_F(Hotkeys, ThePanelShowsTheChordsAndAKeyDownTakesOne)
{
    StartWith("kjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    Window().SwitchPanel(0, 3);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string> { "", "Shift+Q", "Shift+B", "Shift+F", "Shift+J" }));
    EXPECT_EQ(Controls().XQK->Items(), (std::vector<std::string> { "十进制", "网页色", "十六进制", "百分比" }));
    EXPECT_EQ(Controls().XQK->SelectedIndex(), 1);
    EXPECT_TRUE(Controls().MB4SRK[0]->CapturesKeys()) << "typing never edits a chord box";

    KeyDown(0, 116, ui::CtrlKey | ui::AltKey);
    KeyDown(1, 17, ui::CtrlKey);
    KeyDown(2, 123, 0);
    KeyDown(3, 13, ui::ShiftKey);
    KeyDown(4, 16, ui::ShiftKey);
    EXPECT_EQ(Window().Hotkeys().BoxChord(4), "4:16") << "Shift alone, on its way to Shift+Q";
    KeyDown(4, 'Q', ui::ShiftKey);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string> { "Ctrl+Alt+F5", "Ctrl+", "", "Shift+Enter", "Shift+Q" }));
    std::vector<std::string> chords;
    for (int box = 0; box < 5; ++box)
        chords.push_back(Window().Hotkeys().BoxChord(box));
    EXPECT_EQ(chords, (std::vector<std::string> { "3:116", "2:17", "0:123", "4:13", "4:81" }));
}

TEST_F(Hotkeys, WithoutStoredChordsTheDefaultOnesAreRegisteredAndShown)
{
    StartWith("");
    EXPECT_TRUE(m_asked.empty());
    EXPECT_EQ(m_hotkeys.Registered(), (std::set<int> { 1, 2, 3, 4, 5 }));
    Window().SwitchPanel(0, 3);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string> { "", "Shift+Q", "Shift+B", "Shift+F", "Shift+J" }));
    EXPECT_EQ(Stored(), "") << "the default is not written until saved";
}

TEST_F(Hotkeys, AHotkeyRunsItsActionOnlyWhenIdAndChordBothMatch)
{
    StartWith("kjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    bool const ticked = PrefixTicked();
    Window().HotkeyPressed(4, 4, 70);
    EXPECT_EQ(PrefixTicked(), !ticked);
    Window().HotkeyPressed(3, 4, 70);
    Window().HotkeyPressed(4, 4, 66);
    Window().HotkeyPressed(9, 4, 70);
    EXPECT_EQ(PrefixTicked(), !ticked) << "the chord of field 4 under another id, or another chord, runs nothing";

    // The first press only restores (the window was never hidden), the second hides.
    Window().HotkeyPressed(1, 0, 123);
    EXPECT_TRUE(m_fakeWindow.IsVisible());
    Window().HotkeyPressed(1, 0, 123);
    EXPECT_FALSE(m_fakeWindow.IsVisible());
}

// Was: Wine reports a held hotkey again at every key repeat, so a held F12 flickered the window.
TEST_F(Hotkeys, AHeldHotkeyActsOnceUntilItsKeyIsLetGo)
{
    StartWith("kjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    bool const ticked = PrefixTicked();
    auto const timers = m_timers.Running();
    m_hotkeys.SetKeyDown(70, true);
    Window().HotkeyPressed(4, 4, 70);
    m_timers.Advance(500);
    Window().HotkeyPressed(4, 4, 70);
    Window().HotkeyPressed(4, 4, 70);
    EXPECT_EQ(PrefixTicked(), !ticked) << "the repeats run nothing";

    m_hotkeys.SetKeyDown(70, false);
    m_timers.Advance(20);
    Window().HotkeyPressed(4, 4, 70);
    EXPECT_EQ(PrefixTicked(), ticked) << "pressed again after the release";
    Window().HotkeyPressed(4, 4, 70);
    EXPECT_EQ(PrefixTicked(), !ticked) << "a key already up when reported holds nothing back";
    EXPECT_EQ(m_timers.Running(), timers) << "nothing watches a key that is up";
}

TEST_F(Hotkeys, BrokenChordsCountAsRefusedAndNeverRun)
{
    StartWith("kjj=0:123,4:81,4:66,4:x,,1\r\n");
    EXPECT_EQ(m_asked, (std::vector<std::string> { "热键设置失败,是否继续程序（热键不能使用）" }));
    EXPECT_EQ(m_hotkeys.Registered(), (std::set<int> { 1, 2, 3 }));
    bool const ticked = PrefixTicked();
    Window().HotkeyPressed(4, 4, 0);
    Window().HotkeyPressed(4, 0, 0);
    EXPECT_EQ(PrefixTicked(), ticked);
}

TEST_F(Hotkeys, RegistrationSaysWhichIdsTheSystemRefused)
{
    StartWith("kjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    m_hotkeys.HoldElsewhere(4, 81);
    m_hotkeys.HoldElsewhere(4, 74);
    EXPECT_EQ(Window().RegisterHotkeys("0:123,4:81,4:66,4:70,4:74,1"), "25");
    EXPECT_EQ(Window().RegisterHotkeys("0:123,1:81,4:66,4:70,1:74,1"), "设置成功");
    EXPECT_EQ(m_hotkeys.Chords().at(5), (std::pair { 1, 74 }));
}

TEST_F(Hotkeys, SavingRegistersAndStoresTheNewChordsWhichWorkAtOnce)
{
    StartWith("kjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    Window().SwitchPanel(0, 3);
    KeyDown(3, 116, ui::CtrlKey | ui::AltKey);
    Controls().XQK->UserSelected(3);
    EXPECT_TRUE(Window().Hotkeys().SaveHotkeys());
    EXPECT_TRUE(m_notices.empty());
    EXPECT_EQ(Stored(), "0:123,4:81,4:66,3:116,4:74,3");
    EXPECT_EQ(m_hotkeys.Chords().at(4), (std::pair { 3, 116 }));
    bool const ticked = PrefixTicked();
    Window().HotkeyPressed(4, 4, 70);
    Window().HotkeyPressed(4, 3, 116);
    EXPECT_EQ(PrefixTicked(), !ticked) << "the new chord runs, the old one no longer";
}

TEST_F(Hotkeys, TwoBoxesWithOneChordBlockTheSave)
{
    StartWith("kjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    Window().SwitchPanel(0, 3);
    KeyDown(0, 'B', ui::ShiftKey);
    EXPECT_FALSE(Window().Hotkeys().SaveHotkeys());
    EXPECT_EQ(m_notices, (std::vector<std::string> { "快捷键不能相同" }));
    EXPECT_EQ(Stored(), "0:123,4:81,4:66,4:70,4:74,1");
    EXPECT_EQ(m_hotkeys.Chords().at(1), (std::pair { 0, 123 }));
}

TEST_F(Hotkeys, ARefusedSaveKeepsTheOldChordsAndSaysSoTwiceWhenThoseFailToo)
{
    StartWith("kjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    Window().SwitchPanel(0, 3);
    m_hotkeys.HoldElsewhere(3, 116);
    KeyDown(3, 116, ui::CtrlKey | ui::AltKey);
    Controls().XQK->UserSelected(2);
    EXPECT_TRUE(Window().Hotkeys().SaveHotkeys());
    EXPECT_EQ(m_notices, (std::vector<std::string> { "新热键设置失败,将继续使用旧热键" }));
    EXPECT_EQ(Stored(), "0:123,4:81,4:66,4:70,4:74,2") << "the old chords with the new notation";
    EXPECT_EQ(m_hotkeys.Registered(), (std::set<int> { 1, 2, 3, 4, 5 }));

    m_notices.clear();
    Window().SwitchPanel(3, 3);
    m_hotkeys.HoldElsewhere(4, 70);
    KeyDown(3, 116, ui::CtrlKey | ui::AltKey);
    EXPECT_TRUE(Window().Hotkeys().SaveHotkeys());
    EXPECT_EQ(m_notices, (std::vector<std::string> { "新热键设置失败,将继续使用旧热键", "旧热键设置失败,将无法使用热键" }));
    EXPECT_EQ(m_hotkeys.Registered(), (std::set<int> { 1, 2, 3, 5 }));
    EXPECT_EQ(Stored(), "0:123,4:81,4:66,4:70,4:74,2");
}

// Was: after a failed save the panel read the old chords back while the new ones were
// registered, so no hotkey ran; and a read-only file went unnoticed.
TEST_F(Hotkeys, AFailedWriteIsToldOnceAndWhatTheUserDidStaysInMemory)
{
    StartWith("kjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    auto const file = std::filesystem::path(m_system.ProgramFolder()) / "path.ini";
    std::filesystem::permissions(file, std::filesystem::perms::owner_write | std::filesystem::perms::group_write | std::filesystem::perms::others_write,
        std::filesystem::perm_options::remove);
    Window().SaveCurrentColour();
    Window().SZYS(0x00FF00);
    Window().SaveCurrentColour();
    EXPECT_EQ(Window().SavedListText(), "&HFF00,&HFF");
    EXPECT_TRUE(Controls().WBCYS[1]->HasBorder());

    Window().SwitchPanel(0, 3);
    KeyDown(3, 116, ui::CtrlKey | ui::AltKey);
    ASSERT_TRUE(Window().Hotkeys().SaveHotkeys());
    Window().SwitchPanel(3, 3);
    EXPECT_EQ(BoxTexts()[3], "Ctrl+Alt+F5");
    bool const ticked = PrefixTicked();
    Window().HotkeyPressed(4, 3, 116);
    EXPECT_EQ(PrefixTicked(), !ticked);
    EXPECT_EQ(m_notices, (std::vector<std::string> { shell::SaveFailedText(m_settingsIni.IniName()) }));
    std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
}

// Was: the panel showed the default chords for a short text, but a pick still copied nothing
// and the chords shown never ran. Now they become the hotkey text and are registered with it.
TEST_F(Hotkeys, AShortTextGivesWayToTheDefaultChordsWhenThePanelShows)
{
    StartWith("kjj=5:9\\x\r\n");
    bool const ticked = PrefixTicked();
    m_hotkeys.HoldElsewhere(4, 66);
    Window().SwitchPanel(0, 3);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string> { "", "Shift+Q", "Shift+B", "Shift+F", "Shift+J" }));
    EXPECT_EQ(Window().CurrentHotkeyText().CopyNotationIndex(), 1) << "a pick copies the web notation";
    EXPECT_EQ(m_hotkeys.Registered(), (std::set<int> { 1, 2, 4, 5 }));
    EXPECT_EQ(m_notices, (std::vector<std::string> { "热键设置失败" }));
    Window().HotkeyPressed(4, 4, 70);
    EXPECT_EQ(PrefixTicked(), !ticked);
    EXPECT_EQ(Stored(), "5:9\\x") << "the file is not written";
}

// Was: a text past the old 140-byte read lost its notation index at the next start.
TEST_F(Hotkeys, ALongTextSavedAfterARefusalReadsBackWhole)
{
    std::string const zeros(30, '0');
    std::string const old = zeros + "0:123," + zeros + "4:81," + zeros + "4:66," + zeros + "4:70," + zeros + "4:74,1";
    StartWith("kjj=" + old + "\r\n");
    Window().SwitchPanel(0, 3);
    m_hotkeys.HoldElsewhere(3, 116);
    KeyDown(3, 116, ui::CtrlKey | ui::AltKey);
    Controls().XQK->UserSelected(3);
    ASSERT_TRUE(Window().Hotkeys().SaveHotkeys());
    m_window.reset();
    ASSERT_TRUE(Window().CSHZJM());
    EXPECT_GT(Window().CurrentHotkeyText().Text().size(), 140u);
    EXPECT_EQ(Window().CurrentHotkeyText().CopyNotationIndex(), 3);
}

TEST_F(Hotkeys, ChordBoxesLeaveAltF4AloneTakeRegisteredChordsAndRefuseModifiersAlone)
{
    StartWith("kjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    Window().SwitchPanel(0, 3);
    EXPECT_FALSE(Window().Form().KeyDownOn(*Controls().MB4SRK[1], { 115, ui::AltKey }));
    EXPECT_EQ(Window().Hotkeys().BoxChord(1), "4:81") << "Alt+F4 closes the window";
    std::vector<std::string> taken;
    for (auto const& [key, shift] : { std::pair { 121, 0 }, { 121, ui::ShiftKey }, { 'Q', ui::AltKey }, { '7', ui::AltKey } }) {
        EXPECT_TRUE(Window().Form().KeyDownOn(*Controls().MB4SRK[1], { key, shift })) << "the window never sees it";
        taken.push_back(Window().Hotkeys().BoxChord(1));
    }
    EXPECT_EQ(taken, (std::vector<std::string> { "0:121", "4:121", "1:81", "1:55" }));
    EXPECT_EQ(Controls().MB4SRK[1]->Text(), "Alt+7");

    Controls().MB4SRK[0]->UserFocused(true);
    EXPECT_TRUE(m_hotkeys.Registered().empty()) << "F12 reaches the box, not the hotkey";
    Controls().MB4SRK[0]->UserFocused(false);
    m_timers.Advance(1);
    EXPECT_EQ(m_hotkeys.Registered(), (std::set<int> { 1, 2, 3, 4, 5 }));

    KeyDown(4, 92, 0);
    EXPECT_FALSE(Window().Hotkeys().SaveHotkeys());
    EXPECT_EQ(m_notices, (std::vector<std::string> { "快捷键不能只有 Shift、Ctrl、Alt 或 Win 键" }));
    EXPECT_EQ(Stored(), "0:123,4:81,4:66,4:70,4:74,1");
}

}

// Was: a save registered the hotkeys while the box kept the focus, so F12 typed into it next hid
// the window; and a chord another program took while a box had the focus went untold.
TEST_F(Hotkeys, NoHotkeyFiresWhileAChordBoxHasTheFocusAndOneTakenMeanwhileIsTold)
{
    StartWith("kjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    Window().SwitchPanel(0, 3);
    Controls().MB4SRK[3]->UserFocused(true);
    KeyDown(3, 'Q', ui::AltKey);
    ASSERT_TRUE(Window().Hotkeys().SaveHotkeys());
    Window().SwitchPanel(3, 3);
    EXPECT_EQ(Stored(), "0:123,4:81,4:66,1:81,4:74,1");
    EXPECT_TRUE(m_hotkeys.Registered().empty()) << "the focused box goes on taking chords";
    bool const ticked = PrefixTicked();
    Window().HotkeyPressed(4, 1, 81);
    EXPECT_EQ(PrefixTicked(), ticked) << "a report queued before the release runs nothing";
    KeyDown(3, 123, 0);
    EXPECT_EQ(Window().Hotkeys().BoxChord(3), "0:123");

    // On to the next box: nothing is taken back in between.
    Controls().MB4SRK[3]->UserFocused(false);
    Controls().MB4SRK[4]->UserFocused(true);
    m_timers.Advance(10);
    EXPECT_TRUE(m_hotkeys.Registered().empty());

    m_hotkeys.HoldElsewhere(4, 74);
    Controls().MB4SRK[4]->UserFocused(false);
    EXPECT_TRUE(m_notices.empty()) << "not told from inside the focus change";
    m_timers.Advance(10);
    EXPECT_EQ(m_hotkeys.Registered(), (std::set<int> { 1, 2, 3, 4 }));
    EXPECT_EQ(m_notices, (std::vector<std::string> { "热键设置失败" }));
    Controls().MB4SRK[4]->UserFocused(true);
    Controls().MB4SRK[4]->UserFocused(false);
    m_timers.Advance(10);
    EXPECT_EQ(m_notices.size(), 1u) << "a refusal already told is not told again";
    Window().HotkeyPressed(4, 1, 81);
    EXPECT_EQ(PrefixTicked(), !ticked);
}
