// Program entry on Windows: the system's services are made here and handed to the portable
// program, which then runs from the splash to the main window and serves events until it ends.

#include "app/Startup.h"
#include "platform/win32/DpiAwareness.h"
#include "platform/win32/FormWindow.h"
#include "platform/win32/ProgramFolder.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32EventLoop.h"
#include "platform/win32/Win32ProfileFiles.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32TextRenderer.h"
#include "platform/win32/WicImageDecoder.h"
#include "shell/SettingsFile.h"

#include <windows.h>

namespace {

using namespace platform::win32;

FormWindowOptions const SkinnedWindow { .frameless = true, .colourKey = true, .keyColour = TransparentKeyColour, .position = {} };

// The main window's own window with what hangs on its handle.
struct MainWindowParts {
    std::unique_ptr<FormWindow> window;
    std::unique_ptr<Win32Tray> tray;
    std::unique_ptr<Win32Hotkeys> hotkeys;
};

}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    EnableDpiAwareness();
    WicImageDecoder const pictureDecoder; // with COM on this, the user-interface thread
    gfx::ScopedImageDecoder const usePictureDecoder(pictureDecoder);

    Win32ProfileFiles profileFiles;
    INIDX settingsIni(profileFiles);
    std::string const programFolder = ProgramFolder();
    settingsIni.IniName(SettingsFilePath(programFolder));

    Win32TextRenderer text;
    Win32Clipboard clipboard;
    Win32EventLoop loop;
    AppIcon const bigIcon(32);
    AppIcon const smallIcon(16);
    MainWindowParts main;

    app::MainWindowServices services { text, clipboard, profileFiles, settingsIni, programFolder };
    services.askOkCancel = [&main](std::string_view question) {
        HWND const owner = main.window ? static_cast<HWND>(main.window->NativeHandle()) : nullptr;
        return MessageBoxW(owner, Widen(question).c_str(), L"提示", MB_OKCANCEL) == IDOK;
    };
    services.endProgram = [] { PostQuitMessage(0); };

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
            HWND const handle = static_cast<HWND>(main.window->NativeHandle());
            SendMessageW(handle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon.Handle()));
            SendMessageW(handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.Handle()));
            main.tray = std::make_unique<Win32Tray>(handle, smallIcon.Handle());
            main.hotkeys = std::make_unique<Win32Hotkeys>(handle);
            main.window->OnClose = [&zhuJM] { zhuJM.CloseProgram(); };
            main.window->OnMessage = [&zhuJM](unsigned message, std::uintptr_t, std::intptr_t lParam) {
                if (message != TrayCallbackMessage())
                    return false;
                zhuJM.TrayCallback(static_cast<int>(lParam & 0xFFFF));
                return true;
            };
            return app::MainWindowShell { main.window.get(), main.tray.get(), main.hotkeys.get() };
        } };

    app::Startup startup(services, platform);
    if (!startup.Run())
        return 0;
    return FormWindow::RunMessageLoop();
}
