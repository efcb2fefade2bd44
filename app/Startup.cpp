#include "app/Startup.h"

#include "shell/SettingsFile.h"

namespace app {

Startup::Startup(MainWindowServices services, StartupPlatform platform)
    : m_services(std::move(services))
    , m_platform(std::move(platform))
    , m_splash(m_services.text)
{
}

StartupEnd Startup::Run()
{
    INIDX& settings = m_services.settingsIni;
    m_splash.SetFontName(ReadSetting(settings, settings::Font));
    m_splash.BTL().SetText(ReadSetting(settings, settings::Title));
    m_splash.ZTL().SetText("软件启动中...");
    m_splashWindow = m_platform.showSplash(m_splash.Form());

    double const shownAt = m_platform.loop.NowSeconds();
    for (;;) {
        if (m_platform.loop.QuitRequested())
            return StartupEnd::Stopped;
        double const left = SplashSeconds - (m_platform.loop.NowSeconds() - shownAt);
        if (left <= 0)
            break;
        m_platform.loop.ServeEvents(left);
    }

    // The main window reports its progress on the splash.
    MainWindowServices services = m_services;
    services.showStatus = [this](std::string_view status) { m_splash.ZTL().SetText(std::string(status)); };
    services.hideSplash = [this] {
        if (m_splashWindow)
            m_splashWindow->Hide();
    };
    m_main = std::make_unique<ZhuJM>(services);
    MainWindowShell const shell = m_platform.makeMainWindow(*m_main);
    if (!shell.window)
        return StartupEnd::NoWindow;
    m_main->AttachShell(shell);
    return m_main->CSHZJM() ? StartupEnd::Running : StartupEnd::Stopped;
}

}
