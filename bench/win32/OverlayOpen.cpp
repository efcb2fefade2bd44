// How long the pick and capture overlays take to open under Windows (or Wine), and the memory they
// take: from the call that starts a tool to its first frame on the screen, beside the floor, a bare
// program that takes the same snapshot of the virtual screen and shows it in one window over it.
// Then the private memory before a capture, at its peak, after it closed, and the same for a pick
// after it. Read by people, never asserted; bench/wine_overlay.py runs it on a desk of choice.
//
//     picker_overlay_open.exe [runs]

#include "win32/DibImage.h"
#include "win32/DpiAwareness.h"
#include "win32/Handles.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32EventLoop.h"
#include "win32/Win32OverlayWindow.h"
#include "win32/Win32Pointer.h"
#include "win32/Win32Screen.h"
#include "win32/Win32TextRenderer.h"
#include "screen/ScreenTools.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using namespace platform::win32;

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Private memory in bytes. Wine leaves PrivateUsage at 0 and reports the process's anonymous
// resident memory as its page-file usage, which Windows makes the same as the private bytes.
std::int64_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return static_cast<std::int64_t>(std::max(counters.PrivateUsage, counters.PagefileUsage));
}

// The highest private memory seen while it runs, looked at every half millisecond.
class PeakWatch {
public:
    PeakWatch()
        : m_thread([this] {
            while (!m_stop) {
                std::int64_t const now = PrivateBytes();
                std::int64_t seen = m_peak.load();
                while (now > seen && !m_peak.compare_exchange_weak(seen, now)) { }
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            }
        })
    {
    }
    ~PeakWatch()
    {
        m_stop = true;
        m_thread.join();
    }
    std::int64_t Peak() const { return m_peak.load(); }

private:
    std::atomic<bool> m_stop { false };
    std::atomic<std::int64_t> m_peak { 0 };
    std::thread m_thread;
};

// The tool's loop: the first time it waits for input, its first frame has been painted (the
// overlay paints when shown). A capture then gets a selection drawn over a few frames; then the
// tool is told the program is ending, which closes it as Esc does.
class TimedLoop final : public platform::EventLoop {
public:
    explicit TimedLoop(Win32EventLoop& real)
        : m_real(real)
    {
    }
    double NowSeconds() const override { return m_real.NowSeconds(); }
    void ServeEvents(double maxWaitSeconds) override
    {
        if (m_serves++ == 0)
            firstFrame = Clock::now();
        if (HWND const overlay = GetForegroundWindow(); overlay && m_serves <= 8) {
            int const step = m_serves * 40;
            if (m_serves == 1)
                PostMessageW(overlay, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
            PostMessageW(overlay, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100 + step, 100 + step));
        }
        m_real.ServeEvents(std::min(maxWaitSeconds, 0.001));
    }
    bool QuitRequested() const override { return m_serves > 10; }
    int Run() override { return 0; }

    Clock::time_point firstFrame;

private:
    Win32EventLoop& m_real;
    int m_serves = 0;
};

struct Services {
    Win32Screen screen;
    Win32Pointer pointer;
    Win32EventLoop loop;
    Win32Clipboard clipboard;
    Win32TextRenderer text;
};

double OpenTool(Services& services, bool capture)
{
    TimedLoop loop(services.loop);
    screen::ScreenServices const tools { services.screen, services.pointer, loop, services.clipboard, services.text,
        [](gfx::Rect area) -> std::unique_ptr<platform::OverlayWindow> { return Win32OverlayWindow::Create(area); } };
    screen::ScreenTools runner;
    runner.Attach(&tools);
    auto const start = Clock::now();
    if (capture)
        runner.StartCapture();
    else
        runner.StartPick();
    return Milliseconds(start, loop.firstFrame);
}

// The floor: one snapshot of the virtual screen into one picture, shown at once in one window
// over the virtual screen.
LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC const dc = BeginPaint(window, &paint);
        auto const* picture = reinterpret_cast<DibImage const*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        BitBlt(dc, 0, 0, picture->Width(), picture->Height(), static_cast<HDC>(picture->DeviceContext()), 0, 0, SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

double OpenFloor()
{
    auto const start = Clock::now();
    int const x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    int const y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int const width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    int const height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    auto picture = DibImage::Create(width, height);
    {
        WindowDc const screen(nullptr);
        BitBlt(static_cast<HDC>(picture->DeviceContext()), 0, 0, width, height, screen.Get(), x, y, SRCCOPY | CAPTUREBLT);
    }
    HWND const window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"OverlayFloor", L"", WS_POPUP, x, y, width,
        height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&*picture));
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    auto const shown = Clock::now();
    DestroyWindow(window);
    return Milliseconds(start, shown);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Settle(Win32EventLoop& loop)
{
    for (int i = 0; i < 20; ++i)
        loop.ServeEvents(0.01);
}

double Megabytes(std::int64_t bytes) { return static_cast<double>(bytes) / 1e6; }

}

int main(int argc, char** argv)
{
    EnableDpiAwareness();
    int const runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    WNDCLASSW floorClass {};
    floorClass.lpfnWndProc = FloorProc;
    floorClass.hInstance = GetModuleHandleW(nullptr);
    floorClass.lpszClassName = L"OverlayFloor";
    RegisterClassW(&floorClass);
    Services services;
    std::printf("virtual screen %d,%d %dx%d, %zu monitor(s)\n", GetSystemMetrics(SM_XVIRTUALSCREEN),
        GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN),
        services.screen.Layout().monitors.size());

    // Memory first: as a user's first capture, then a pick. The watch's own thread is started
    // once beforehand, so that what Wine keeps of a finished thread does not count as the tool's.
    { PeakWatch const warmUp; }
    Settle(services.loop);
    for (bool const capture : { true, false, true, false }) {
        std::int64_t const before = PrivateBytes();
        std::int64_t peak = 0;
        {
            PeakWatch const watch;
            OpenTool(services, capture);
            peak = watch.Peak();
        }
        Settle(services.loop);
        std::printf("memory %-7s before %7.1f MB  peak %7.1f MB  after close %7.1f MB\n", capture ? "capture" : "pick",
            Megabytes(before), Megabytes(peak), Megabytes(PrivateBytes()));
    }

    std::vector<double> floor, pick, capture;
    for (int run = 0; run < runs; ++run) {
        floor.push_back(OpenFloor());
        Settle(services.loop);
        pick.push_back(OpenTool(services, false));
        Settle(services.loop);
        capture.push_back(OpenTool(services, true));
        Settle(services.loop);
    }
    double const bare = Median(floor);
    std::printf("open floor   %7.1f ms\n", bare);
    std::printf("open pick    %7.1f ms  %.2f x floor\n", Median(pick), Median(pick) / bare);
    std::printf("open capture %7.1f ms  %.2f x floor\n", Median(capture), Median(capture) / bare);
    return 0;
}
