#pragma once
// From process start to the main window: the splash binds the settings file, shows the title and
// a status line for at least a second and a half while events are served, then the main window
// is built hidden and shown. The platform makes the windows; everything else happens here.

#include "app/MainWindow.h"
#include "app/Splash.h"
#include "platform/EventLoop.h"

#include <functional>
#include <memory>

namespace app {

inline constexpr double SplashSeconds = 1.5;

// What start-up needs from the platform besides the main window's own services.
struct StartupPlatform {
    platform::EventLoop& loop;
    // A window for the splash form, shown at once.
    std::function<std::unique_ptr<platform::Window>(ui::Form&)> showSplash;
    // The main window's own window, tray and hotkeys, made hidden.
    std::function<MainWindowShell(ZhuJM&)> makeMainWindow;
};

class Startup {
public:
    Startup(MainWindowServices services, StartupPlatform platform);

    // False when the user stopped at the start-up question: the program ends.
    bool Run();

    ZhuJM* MainWindow() { return m_main.get(); }
    QDJM& Splash() { return m_splash; }

private:
    MainWindowServices m_services;
    StartupPlatform m_platform;
    QDJM m_splash;
    std::unique_ptr<platform::Window> m_splashWindow;
    std::unique_ptr<ZhuJM> m_main;
};

}
