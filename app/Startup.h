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
    // The main window's own window, tray and hotkeys, made hidden; no window when the system
    // refuses one.
    std::function<MainWindowShell(ZhuJM&)> makeMainWindow;
};

// How start-up ended.
enum class StartupEnd {
    // The main window is up: the program runs.
    Running,
    // The user ended it: Alt+F4 on the splash, or Cancel at the start-up question.
    Stopped,
    // The system would not make the main window.
    NoWindow,
};

class Startup {
public:
    Startup(MainWindowServices services, StartupPlatform platform);

    StartupEnd Run();

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
