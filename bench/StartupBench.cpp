// What start-up does once the splash has had its second and a half: the main window built from
// the shipped settings and skin, its hotkeys registered, the pages asked for (never waited on: the
// fake server here never answers) and its first picture painted. The baseline is the time the
// window may take for all of it, a tenth of a second.

#include "app/MainWindow.h"
#include "shell/SettingsFile.h"
#include "tests/fake/FakeClipboard.h"
#include "tests/fake/FakeHttpClient.h"
#include "tests/fake/FakeSystem.h"
#include "tests/fake/FakeTextRenderer.h"
#include "tests/fake/FakeTimers.h"
#include "tests/fake/FakeWindow.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace {

void MainWindowStartUp(benchmark::State& state)
{
    platform::fake::FakeSystem system;
    std::filesystem::copy(PICKER_PACKAGE_DIR, system.ProgramFolder(),
        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    INIDX settings(system.Profiles());
    settings.IniName(SettingsFilePath(system.ProgramFolder()));
    platform::fake::FakeTextRenderer text;
    platform::fake::FakeClipboard clipboard;
    for (auto _ : state) {
        platform::fake::FakeTimers timers;
        platform::fake::FakeHttpClient http;
        platform::fake::FakeWindow window;
        platform::fake::FakeTray tray;
        platform::fake::FakeHotkeys hotkeys;
        app::MainWindowServices services { text, clipboard, system.Profiles(), settings, system.ProgramFolder() };
        services.timers = &timers;
        services.http = &http;
        services.codePage = &system.AnsiCodePage();
        app::ZhuJM main(services);
        main.AttachShell({ &window, &tray, &hotkeys });
        main.CSHZJM();
        auto picture = gfx::Image::Create(main.Form().Size().width, main.Form().Size().height);
        if (picture)
            main.Form().Paint(*picture);
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(MainWindowStartUp)->Unit(benchmark::kMillisecond);

void TenthOfASecond(benchmark::State& state)
{
    for (auto _ : state) {
        auto const end = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
        while (std::chrono::steady_clock::now() < end) {
        }
    }
}
BENCHMARK(TenthOfASecond)->Name("MainWindowStartUp_Baseline")->Unit(benchmark::kMillisecond);

}
