// Start-up through the fake platform: the splash's texts and its minimum time, the order of the
// status texts, and the main window shown last.

#include "MainWindowFixture.h"
#include "app/Startup.h"
#include "tests/fake/FakeEventLoop.h"

namespace {

class Start : public MainWindowFixture {
protected:
    Start()
    {
        WriteFile("path.ini", "[RJSZ]\r\nbtwz=取色器\r\nFont=宋体\r\n");
    }

    app::StartupEnd Run()
    {
        m_startup = std::make_unique<app::Startup>(
            Services(),
            app::StartupPlatform { m_loop,
                [this](ui::Form&) {
                    m_splashShownAt = m_loop.NowSeconds();
                    auto window = std::make_unique<platform::fake::FakeWindow>();
                    window->Show();
                    m_splashWindow = window.get();
                    return std::unique_ptr<platform::Window>(std::move(window));
                },
                [this](app::ZhuJM&) {
                    m_mainMadeAt = m_loop.NowSeconds();
                    if (m_refuseMainWindow)
                        return app::MainWindowShell {};
                    return app::MainWindowShell { &m_fakeWindow, &m_tray, &m_hotkeys };
                } });
        return m_startup->Run();
    }

    platform::fake::FakeEventLoop m_loop;
    std::unique_ptr<app::Startup> m_startup;
    platform::fake::FakeWindow* m_splashWindow = nullptr;
    double m_splashShownAt = 0;
    double m_mainMadeAt = 0;
    bool m_refuseMainWindow = false;
};

TEST_F(Start, TheSplashStaysUpServingEventsThenTheMainWindowShows)
{
    ASSERT_EQ(Run(), app::StartupEnd::Running);
    EXPECT_GE(m_mainMadeAt - m_splashShownAt, app::SplashSeconds);
    EXPECT_LT(m_mainMadeAt - m_splashShownAt, app::SplashSeconds + 0.01);
    EXPECT_GE(m_loop.Serves(), 15) << "events are served all along";
    EXPECT_EQ(m_startup->Splash().BTL().Text(), "取色器");
    EXPECT_EQ(m_startup->Splash().BTL().Style().font.name, "宋体");
    EXPECT_EQ(m_startup->Splash().ZTL().Text(), "注册软件快捷键...") << "the last status before the window shows";
    EXPECT_FALSE(m_splashWindow->IsVisible());
    EXPECT_TRUE(m_fakeWindow.IsVisible());
}

TEST_F(Start, ALongWaitIsStillCutAtTheSplashTime)
{
    m_loop.SetStep(10);
    ASSERT_EQ(Run(), app::StartupEnd::Running);
    EXPECT_DOUBLE_EQ(m_mainMadeAt - m_splashShownAt, app::SplashSeconds);
}

// Alt+F4 on the splash once let start-up build and show the main window, only to end then.
TEST_F(Start, EndingDuringTheSplashEndsBeforeTheMainWindowIsMade)
{
    m_loop.RequestQuit();
    EXPECT_EQ(Run(), app::StartupEnd::Stopped);
    EXPECT_EQ(m_startup->MainWindow(), nullptr);
    EXPECT_FALSE(m_fakeWindow.IsVisible());
}

TEST_F(Start, AMainWindowTheSystemRefusesEndsStartUp)
{
    m_refuseMainWindow = true;
    EXPECT_EQ(Run(), app::StartupEnd::NoWindow);
    EXPECT_FALSE(m_fakeWindow.IsVisible());
}

TEST_F(Start, StatusTextsComeInOrder)
{
    Window().CSHZJM();
    EXPECT_EQ(m_statuses,
        (std::vector<std::string> { "软件语言配置中...", "初始化界面...", "初始化功能...", "注册软件快捷键..." }));
}

}

namespace {

TEST_F(Start, ARefusedHotkeyAsksWhetherToGoOnAndOkGoesOnWithTheRest)
{
    WriteFile("path.ini", "[RJSZ]\r\nkjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    m_hotkeys.HoldElsewhere(4, 81);
    ASSERT_EQ(Run(), app::StartupEnd::Running);
    EXPECT_EQ(m_asked, (std::vector<std::string> { "热键设置失败,是否继续程序（热键不能使用）" }));
    EXPECT_EQ(m_hotkeys.Registered(), (std::set<int> { 1, 3, 4, 5 }));
    EXPECT_TRUE(m_fakeWindow.IsVisible());
}

TEST_F(Start, CancelAtTheQuestionEndsBeforeTheMainWindowShows)
{
    WriteFile("path.ini", "[RJSZ]\r\nkjj=0:123,4:81,4:66,4:70,4:74,1\r\n");
    m_hotkeys.HoldElsewhere(0, 123);
    m_answerOk = false;
    EXPECT_EQ(Run(), app::StartupEnd::Stopped);
    EXPECT_EQ(m_asked.size(), 1u);
    EXPECT_FALSE(m_fakeWindow.IsVisible());
}

}
