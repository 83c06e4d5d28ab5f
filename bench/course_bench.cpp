// Speed of the course on the headless platform: start-up, a key step in a
// section and in a drill however long it has run, whole drill runs, and a
// page to PNG.
// Run with scripts/bench.sh (a Release build); not part of the tests. Runs
// are timed by hand (the stretch that matters, not the keys that lead to
// it), so each such benchmark gives its own number of runs.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>

#include <unistd.h>

#include "engine/platform/screen.h"
#include "engine/shell/shell.h"
#include "programs/morvane/morvane.h"
#include "programs/talisse/talisse.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string repeat(const std::string& keys, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += keys;
    return out;
}

// Runs a program (Morvane unless told) on `keys` until it wants one more,
// timing the stretch from the moment the key `last` keys before the end is
// taken (the whole run when `last` covers every key). Returns seconds.
double timed_run(const std::string& keys, size_t last, size_t* list_size = nullptr,
                 const CourseDef& course = morvane_course()) {
    std::optional<Clock::time_point> start;
    plat::HeadlessOptions options;
    options.keys = keys;
    options.seed = 1;
    options.time = "10:20:30";
    options.on_key = [&](size_t left) {
        if (left + 1 == last) start = Clock::now();
    };
    if (last > keys.size()) start = Clock::now();
    plat::use_headless(options);
    try {
        run_course(course);
    } catch (const plat::ScriptEnded&) {
    }
    const auto end = Clock::now();
    if (list_size) *list_size = plat::display_list().size();
    return std::chrono::duration<double>(end - (start ? *start : end)).count();
}

// Start-up: the course's start, its main menu, up to the first key it waits
// for.
void StartUpToFirstKey(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(timed_run("", 1));
}
BENCHMARK(StartUpToFirstKey)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);

// One key in a section: the presses through unit 1's section 1 (its page
// building line by line), timed for the last `range(0)`-th press.
void SectionKeyStep(benchmark::State& state) {
    const int presses = static_cast<int>(state.range(0));
    for (auto _ : state)
        state.SetIterationTime(timed_run("1\r1\r" + std::string(static_cast<size_t>(presses), ' '), 1));
}
BENCHMARK(SectionKeyStep)->Arg(10)->Arg(30)->Iterations(50)->UseManualTime()->Unit(benchmark::kMicrosecond);

// One key in unit 1's judging drill after range(0) problems (11 presses and
// "2\r" each): the mean over the keys of the problem after them. Flat in the
// number of problems.
void DrillKeyStep(benchmark::State& state) {
    const int problems = static_cast<int>(state.range(0));
    const std::string problem = std::string(11, ' ') + "2\r";
    const std::string keys = "1\r4\r" + repeat(problem, problems + 1);
    size_t entries = 0;
    for (auto _ : state)
        state.SetIterationTime(timed_run(keys, problem.size(), &entries) / static_cast<double>(problem.size()));
    state.counters["display_list"] = static_cast<double>(entries);
}
BENCHMARK(DrillKeyStep)->Arg(10)->Iterations(30)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(DrillKeyStep)->Arg(100)->Iterations(10)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(DrillKeyStep)->Arg(1000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A whole run of a drill over range(1) problems (60 presses and "2\r"
// each), the drill range(0) of the table: every drill of both programs.
// The time grows as the number of problems, no faster: 3,000 problems take
// about ten times as long as 300.
struct Drill {
    const char* name;
    bool talisse;
    int unit, section;
};
constexpr Drill kDrills[] = {
    {"Morvane 1-4", false, 1, 4}, {"Morvane 2-3", false, 2, 3}, {"Morvane 2-5", false, 2, 5},
    {"Morvane 2-7", false, 2, 7}, {"Morvane 3-2", false, 3, 2}, {"Morvane 3-5", false, 3, 5},
    {"Morvane 4-3", false, 4, 3}, {"Morvane 4-5", false, 4, 5}, {"Talisse 2-1", true, 2, 1},
    {"Talisse 3-1", true, 3, 1},  {"Talisse 4-4", true, 4, 4},
};

void DrillRun(benchmark::State& state) {
    const Drill& d = kDrills[state.range(0)];
    const std::string keys = std::to_string(d.unit) + "\r" + std::to_string(d.section) + "\r" +
                             repeat(std::string(60, ' ') + "2\r", static_cast<int>(state.range(1)));
    const CourseDef& course = d.talisse ? talisse_course() : morvane_course();
    size_t entries = 0;
    for (auto _ : state) state.SetIterationTime(timed_run(keys, keys.size() + 1, &entries, course));
    state.counters["display_list"] = static_cast<double>(entries);
    state.SetLabel(d.name);
}
BENCHMARK(DrillRun)
    ->ArgsProduct({benchmark::CreateDenseRange(0, std::size(kDrills) - 1, 1), {300, 3000}})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Page to PNG: unit 1's worked example, a page of formulas and working, at
// the window's usual scale and at twice it.
void PageToPng(benchmark::State& state) {
    timed_run("1\r5\r" + std::string(12, ' '), 1);
    const float scale = static_cast<float>(state.range(0));
    const std::string path =
        (std::filesystem::temp_directory_path() / ("course-bench-" + std::to_string(::getpid()) + ".png")).string();
    for (auto _ : state)
        if (!plat::write_png(path, scale)) state.SkipWithError("cannot write the PNG");
    std::filesystem::remove(path);
}
BENCHMARK(PageToPng)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The same page painted into memory only (the window's share of the work).
void PageRaster(benchmark::State& state) {
    timed_run("1\r5\r" + std::string(12, ' '), 1);
    for (auto _ : state) benchmark::DoNotOptimize(plat::rasterise(1));
}
BENCHMARK(PageRaster)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
