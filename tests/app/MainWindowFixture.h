#pragma once
// The main window on the fake platform: a program folder of its own on disk, an in-memory
// clipboard, text as blocks, and a window, tray and hotkeys that record what happens to them.

#include "app/MainWindow.h"
#include "shell/SettingsFile.h"
#include "tests/fake/FakeClipboard.h"
#include "tests/fake/FakeDialogs.h"
#include "tests/fake/FakeHttpClient.h"
#include "tests/fake/FakeScreen.h"
#include "tests/fake/FakeSystem.h"
#include "tests/fake/FakeTextRenderer.h"
#include "tests/fake/FakeTimers.h"
#include "tests/fake/FakeWindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() { m_settingsIni.IniName(SettingsFilePath(m_system.ProgramFolder())); }

    // The window as start-up makes it; the files a test wants must be written before.
    app::ZhuJM& Window(screen::ScreenServices const* screenTools = nullptr)
    {
        if (!m_window) {
            m_window = std::make_unique<app::ZhuJM>(Services(screenTools));
            m_window->AttachShell({ &m_fakeWindow, &m_tray, &m_hotkeys, &m_desk, &m_menu });
        }
        return *m_window;
    }

    app::MainWindowControls const& Controls() { return Window().Controls(); }

    app::MainWindowServices Services(screen::ScreenServices const* screenTools = nullptr)
    {
        app::MainWindowServices services { m_text, m_clipboard, m_system.Profiles(), m_settingsIni,
            m_system.ProgramFolder(), [this](std::string_view status) { m_statuses.emplace_back(status); },
            [this](std::string_view question) {
                m_asked.emplace_back(question);
                return m_answerOk;
            },
            [this] { ++m_ended; } };
        services.showNotice = [this](std::string_view text) { m_notices.emplace_back(text); };
        services.timers = &m_timers;
        services.http = &m_http;
        services.browser = &m_browser;
        services.codePage = &m_system.AnsiCodePage();
        services.web = m_web;
        services.screenTools = screenTools;
        return services;
    }

    // A file in the program folder, written in the Chinese code page ("skin/Flat/shizhi.ini").
    void WriteFile(std::string const& relative, std::string_view utf8Content)
    {
        auto const path = std::filesystem::path(m_system.ProgramFolder()) / relative;
        std::filesystem::create_directories(path.parent_path());
        WriteRaw(path, m_system.AnsiCodePage().FromUtf8(utf8Content));
    }
    static void WriteRaw(std::filesystem::path const& path, std::string const& bytes);

    platform::fake::FakeSystem m_system;
    platform::fake::FakeTextRenderer m_text;
    platform::fake::FakeClipboard m_clipboard;
    platform::fake::FakeWindow m_fakeWindow;
    platform::fake::FakeTray m_tray;
    platform::fake::FakeHotkeys m_hotkeys;
    platform::fake::FakeScreen m_desk;
    INIDX m_settingsIni { m_system.Profiles() };
    platform::fake::FakeTimers m_timers;
    platform::fake::FakeHttpClient m_http;
    platform::fake::FakeBrowser m_browser;
    platform::fake::FakePopupMenu m_menu;
    shell::WebAddresses m_web { "https://maker.example" };
    std::vector<std::string> m_statuses;
    std::vector<std::string> m_asked;
    std::vector<std::string> m_notices;
    bool m_answerOk = true;
    int m_ended = 0;
    std::unique_ptr<app::ZhuJM> m_window;
};
