// Applying the shipped skin happens once at start-up while the window is hidden, and must stay
// far below one frame. The baseline is one frame itself: 1/60 s of waiting.

#include "app/MainWindow.h"
#include "shell/SettingsFile.h"
#include "tests/fake/FakeClipboard.h"
#include "tests/fake/FakeSystem.h"
#include "tests/fake/FakeTextRenderer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

class ShippedProgram {
public:
    ShippedProgram()
    {
        std::filesystem::copy(PICKER_PACKAGE_DIR, m_system.ProgramFolder(),
            std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
        m_settings.IniName(SettingsFilePath(m_system.ProgramFolder()));
    }

    app::MainWindowServices Services()
    {
        return { m_text, m_clipboard, m_system.Profiles(), m_settings, m_system.ProgramFolder() };
    }

private:
    platform::fake::FakeSystem m_system;
    platform::fake::FakeTextRenderer m_text;
    platform::fake::FakeClipboard m_clipboard;
    INIDX m_settings { m_system.Profiles() };
};

void SkinApplication(benchmark::State& state)
{
    ShippedProgram program;
    for (auto _ : state) {
        app::ZhuJM window(program.Services());
        window.LoadUiTexts();
        window.LoadSkin();
        benchmark::DoNotOptimize(window.CurrentColour());
    }
}
BENCHMARK(SkinApplication)->Unit(benchmark::kMillisecond);

// Every step of a drag on the hue strip draws the whole box again.
void AdjusterBox(benchmark::State& state)
{
    ShippedProgram program;
    app::ZhuJM window(program.Services());
    window.LoadUiTexts();
    window.LoadSkin();
    std::int16_t hue = 0;
    for (auto _ : state) {
        window.DrawAdjusterBox(hue);
        hue = static_cast<std::int16_t>((hue + 7) % 361);
    }
}
BENCHMARK(AdjusterBox)->Unit(benchmark::kMillisecond);

void OneFrame(benchmark::State& state)
{
    for (auto _ : state) {
        auto const end = std::chrono::steady_clock::now() + std::chrono::microseconds(16667);
        while (std::chrono::steady_clock::now() < end) {
        }
    }
}
BENCHMARK(OneFrame)->Name("SkinApplication_Baseline")->Unit(benchmark::kMillisecond);
BENCHMARK(OneFrame)->Name("AdjusterBox_Baseline")->Unit(benchmark::kMillisecond);

}
