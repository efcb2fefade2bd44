// Program entry on Windows: the system's services are made here and handed to the portable
// program, which then runs from the splash to the main window and serves events until it ends.

#include "win32/BuiltInWebBase.h"
#include "app/Startup.h"
#include "win32/DpiAwareness.h"
#include "win32/FormWindow.h"
#include "win32/ProgramFolder.h"
#include "win32/SingleInstance.h"
#include "win32/Win32Browser.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32CodePage.h"
#include "win32/Win32EventLoop.h"
#include "win32/Win32MessageBoxes.h"
#include "win32/Win32PopupMenu.h"
#include "win32/Win32OverlayWindow.h"
#include "win32/Win32Pointer.h"
#include "win32/Win32ProfileFiles.h"
#include "win32/Win32Screen.h"
#include "win32/Win32Shell.h"
#include "win32/Win32TextRenderer.h"
#include "win32/WicImageDecoder.h"
#include "win32/Win32Timers.h"
#include "win32/Win32UiThread.h"
#include "win32/WinHttpClient.h"
#include "shell/SettingsFile.h"

#include <windows.h>

namespace {

using namespace platform::win32;

FormWindowOptions const SkinnedWindow {
    .frameless = true, .colourKey = true, .keyColour = TransparentKeyColour, .position = {}, .dpi = {}
};

// The main window's own window with what hangs on its handle. They go before the portable main
// window they report to, the tray icon and the hotkeys before the window they are tied to.
struct MainWindowParts {
    std::unique_ptr<FormWindow> window;
    std::unique_ptr<Win32Tray> tray;
    std::unique_ptr<Win32Hotkeys> hotkeys;
    std::unique_ptr<Win32PopupMenu> menu;

    MainWindowParts() = default;
    MainWindowParts(MainWindowParts const&) = delete;
    MainWindowParts& operator=(MainWindowParts const&) = delete;
    ~MainWindowParts() { Close(); }

    void Close()
    {
        tray.reset();
        hotkeys.reset();
        menu.reset();
        window.reset();
    }
};

}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // One copy per program folder, decided before anything reads or writes its path.ini: a
    // second start shows the running copy's window and ends.
    std::string const programFolder = ProgramFolder();
    SingleInstance instance(programFolder);
    if (!instance.Claim())
        return 0;

    EnableDpiAwareness();
    // With COM on this, the user-interface thread, until the end: the main window and the web page
    // in it go first.
    WicImageDecoder const pictureDecoder;
    gfx::ScopedImageDecoder const usePictureDecoder(pictureDecoder);

    Win32ProfileFiles profileFiles;
    INIDX settingsIni(profileFiles);
    settingsIni.IniName(SettingsFilePath(programFolder));

    Win32TextRenderer text;
    Win32Clipboard clipboard;
    Win32EventLoop loop;
    Win32Timers timers;
    Win32UiThread uiThread;
    WinHttpClient http(uiThread);
    Win32Browser browser;
    Win32CodePage codePage;
    // The tray and the taskbar are on the primary monitor: icons of its scale.
    int const primaryDpi = MonitorDpiOf(nullptr);
    AppIcon const bigIcon(LargeIconSide(primaryDpi));
    AppIcon const smallIcon(SmallIconSide(primaryDpi));
    MainWindowParts main;

    Win32Screen screen;
    Win32Pointer pointer;
    screen::ScreenServices const screenTools { screen, pointer, loop, clipboard, text,
        [](gfx::Rect area) -> std::unique_ptr<platform::OverlayWindow> { return Win32OverlayWindow::Create(area); } };

    app::MainWindowServices services { text, clipboard, profileFiles, settingsIni, programFolder };
    services.screenTools = &screenTools;
    Win32MessageBoxes messageBoxes;
    services.askOkCancel = [&](std::string_view question) {
        return messageBoxes.AskOkCancel(question, main.window ? main.window->NativeHandle() : nullptr);
    };
    services.showNotice = [&](std::string_view notice) {
        messageBoxes.ShowNotice(notice, main.window ? main.window->NativeHandle() : nullptr);
    };
    services.endProgram = [] { PostQuitMessage(0); };
    services.timers = &timers;
    services.http = &http;
    services.browser = &browser;
    services.codePage = &codePage;
    services.web = shell::WebAddresses(app::BuiltInWebBase());

    app::StartupPlatform platform { loop,
        [&text](ui::Form& form) -> std::unique_ptr<platform::Window> {
            auto window = std::make_unique<FormWindow>(form, text, SkinnedWindow);
            if (!window->Create())
                return nullptr;
            window->Show();
            return window;
        },
        [&](app::ZhuJM& zhuJM) {
            main.window = std::make_unique<FormWindow>(zhuJM.Form(), text, SkinnedWindow);
            if (!main.window->Create())
                return app::MainWindowShell {};
            void* const handle = main.window->NativeHandle();
            SetWindowIcons(handle, bigIcon, smallIcon);
            main.tray = std::make_unique<Win32Tray>(handle, smallIcon.Handle());
            main.hotkeys = std::make_unique<Win32Hotkeys>(handle);
            main.window->SetShell(&zhuJM);
            main.window->SetLinkOpener(&browser);
            main.menu = std::make_unique<Win32PopupMenu>(handle);
            return app::MainWindowShell { main.window.get(), main.tray.get(), main.hotkeys.get(), &screen,
                main.menu.get() };
        } };

    app::Startup startup(services, platform);
    int exitCode = 0;
    switch (startup.Run()) {
    case app::StartupEnd::Running:
        // Shown, restored and in front, also from the tray, as a click on the tray icon does.
        instance.Listen([&startup] {
            if (app::ZhuJM* const zhuJM = startup.MainWindow())
                zhuJM->RestoreFromTray();
        });
        exitCode = loop.Run();
        break;
    case app::StartupEnd::Stopped:
        break;
    case app::StartupEnd::NoWindow:
        messageBoxes.ShowNotice("无法创建程序窗口，程序将退出。", nullptr);
        exitCode = 1;
        break;
    }
    instance.StopListening();
    main.Close();
    return exitCode;
}
