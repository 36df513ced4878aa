// Start-up to the first painted main window: the forms program beside a
// Qt program of one empty main window, each a whole process started and
// waited for. Runs on the display the environment names (offscreen when
// there is none).
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

extern char** environ;

namespace {

bool RunProbe(const char* mode)
{
    std::string path = STARTUP_PROBE;
    char* argv[] = {path.data(), const_cast<char*>(mode), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void StartUp(benchmark::State& state, const char* mode)
{
    if (!std::getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (auto _ : state)
        if (!RunProbe(mode))
            state.SkipWithError("the probe failed");
}
BENCHMARK_CAPTURE(StartUp, FormsProgram, "forms")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(StartUp, PlainQtProgram, "plain")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
