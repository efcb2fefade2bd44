// Runs every benchmark, then prints how each one compares with its baseline: a benchmark "X" is
// measured against "X_Baseline" when both exist. The ratio, not the absolute time, is what a
// change must keep, since machines differ.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(std::vector<Run> const& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (Run const& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_cpuTime[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }

    void PrintRatios() const
    {
        for (auto const& [name, time] : m_cpuTime) {
            auto const baseline = m_cpuTime.find(name + "_Baseline");
            if (baseline != m_cpuTime.end() && baseline->second > 0)
                std::printf("ratio %-40s %8.2f x baseline\n", name.c_str(), time / baseline->second);
        }
    }

private:
    std::map<std::string, double> m_cpuTime;
};

}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
