// Packing a show of 5,000 pictures of 200 KB each, side by side with `cp -r`
// of the same folders (and `cp -r` followed by `sync`, as the pack makes sure
// its copies are on the disk before it writes the show). Goal: within 1.5x of
// `cp -r`.

#include "BenchSupport.h"

#include "common/Prompter.h"
#include "pack/Pack.h"
#include "platform/DriveMap.h"
#include "slideshow/SlideShowModel.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace vt::bench {
namespace {

namespace stdfs = std::filesystem;

constexpr int Files = 5000;
constexpr int Folders = 50;
constexpr std::size_t FileSize = 200 * 1024;

// Only the closing summary may be said.
class SummaryPrompter : public Prompter {
  public:
    Answer show(const Message& message) override {
        if (message.icon != Icon::Information)
            throw std::runtime_error("unexpected message: " + message.text);
        return Answer::Ok;
    }
    std::string input(std::string_view, std::string_view, std::string_view, int) override {
        return {};
    }
};

struct Fixture {
    Fixture() {
        const std::string bytes(FileSize, 'p');
        for (int i = 0; i < Files; ++i) {
            const std::string folder = "pictures/Trip " + std::to_string(i % Folders) + "/";
            const std::string name = folder + "Photo " + std::to_string(i) + ".jpg";
            stdfs::create_directories(scratch.host(folder));
            std::ofstream(scratch.host(name), std::ios::binary) << bytes;
            Slide& slide = model->slot(model->SlideCount++);
            std::string path = scratch.win(name);
            std::replace(path.begin(), path.end(), '/', '\\');
            slide.SlideFile = path;
        }
    }
    ScratchFolder scratch;
    std::unique_ptr<SlideShowModel> model = std::make_unique<SlideShowModel>();
    SummaryPrompter prompter;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration spent, benchmark::State& state) {
    return std::chrono::duration<double>(spent).count() / static_cast<double>(state.iterations());
}

// Each run copies to a new folder, with the earlier runs' writes on the
// disk; nothing is deleted until the end, since ext4 is slow to create files
// just after many were deleted, which would favour whichever runs first.
std::string newTarget() {
    static int runs = 0;
    if (std::system("sync") != 0)
        throw std::runtime_error("sync failed");
    return fixture().scratch.host("copy" + std::to_string(++runs));
}

double cpSeconds = 0;

// Runs the shell command with the target folder in place of %.
void runCommand(benchmark::State& state, const std::string& command) {
    Clock::duration spent{};
    for (auto _ : state) {
        state.PauseTiming();
        std::string line = command;
        line.replace(line.find('%'), 1, newTarget());
        state.ResumeTiming();
        const auto start = Clock::now();
        if (std::system(line.c_str()) != 0)
            state.SkipWithError("the command failed");
        spent += Clock::now() - start;
    }
    state.counters["files"] = Files;
    state.counters["MB"] = Files * FileSize / 1e6;
    if (cpSeconds == 0)
        cpSeconds = seconds(spent, state);
    state.counters["x_cp_r"] = seconds(spent, state) / cpSeconds;
}

void CpR5000Files(benchmark::State& state) {
    runCommand(state, "cp -r '" + fixture().scratch.host("pictures") + "' '%'");
}

void CpRAndSync5000Files(benchmark::State& state) {
    runCommand(state, "cp -r '" + fixture().scratch.host("pictures") + "' '%' && sync");
}

void Pack5000Files(benchmark::State& state) {
    Fixture& f = fixture();
    Clock::duration spent{};
    for (auto _ : state) {
        state.PauseTiming();
        const std::string target = DriveMap::current().toWindows(newTarget());
        state.ResumeTiming();
        const auto start = Clock::now();
        const auto plan = pack::planPack(*f.model, target, "C:\\trip.vts", f.prompter);
        pack::PackProgress progress;
        const pack::PackResult result = pack::runPack(*plan, progress);
        spent += Clock::now() - start;
        if (result.outcome != pack::Outcome::Packed || progress.files != Files)
            state.SkipWithError("the pack failed");
    }
    state.counters["files"] = Files;
    state.counters["MB"] = Files * FileSize / 1e6;
    state.counters["x_cp_r"] = cpSeconds > 0 ? seconds(spent, state) / cpSeconds : 0;
}

BENCHMARK(CpR5000Files)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(CpRAndSync5000Files)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(Pack5000Files)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
} // namespace vt::bench

BENCHMARK_MAIN();
