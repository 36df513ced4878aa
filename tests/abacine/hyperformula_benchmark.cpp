// HyperFormula's time on the column-sums workload, run by node from the
// script beside this file, so that the benchmark prints both figures side
// by side. The build installs HyperFormula into its own folder; where node
// or npm was not found the row says so and is skipped. Each iteration is
// one timed step of the script, reported as manual time (the CPU column is
// this program's, not node's).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kSteps = 200;

#if defined(FORMS_NODE) && defined(FORMS_HYPERFORMULA_SCRIPT) && defined(FORMS_HYPERFORMULA_MODULES)

// The step times the script printed; empty when it failed.
std::vector<double> RunScript(int steps)
{
    const std::string command = std::string("'") + FORMS_NODE + "' '" + FORMS_HYPERFORMULA_SCRIPT + "' '"
        + FORMS_HYPERFORMULA_MODULES + "' " + std::to_string(steps);
    std::vector<double> times;
    FILE* out = popen(command.c_str(), "r");
    if (!out)
        return times;
    double seconds = 0;
    while (std::fscanf(out, "%lf", &seconds) == 1)
        times.push_back(seconds);
    if (pclose(out) != 0 || times.size() != static_cast<std::size_t>(steps))
        times.clear();
    return times;
}

void ChangeACellUnderAThousandSumsOnHyperFormula(benchmark::State& state)
{
    const std::vector<double> times = RunScript(kSteps);
    if (times.empty()) {
        state.SkipWithError("the HyperFormula script failed");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state)
        state.SetIterationTime(times[i++]);
}

#else

void ChangeACellUnderAThousandSumsOnHyperFormula(benchmark::State& state)
{
    state.SkipWithError("node or npm was not found when the build was configured");
}

#endif

BENCHMARK(ChangeACellUnderAThousandSumsOnHyperFormula)
    ->Iterations(kSteps)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
