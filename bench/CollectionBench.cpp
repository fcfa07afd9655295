// A collection relinked at once: 300 shows of 40 slides whose pictures moved
// off drive C: into a search folder of 12,000 files (300 trips of 40
// pictures), side by side with `find` over the search folder plus `cat` of
// the shows. Goal: the whole relink (a dry run: every show read, checked,
// its files found and its paths moved) at most 4x the yardstick, because the
// search folder is walked once for all the shows. The pictures are numbered
// as a camera numbers them; one more run names every trip's pictures alike,
// and one writes every show into another folder, each synced to the disk.

#include "BenchSupport.h"

#include "collection/Collection.h"
#include "common/Prompter.h"
#include "platform/DriveMap.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vt::bench {
namespace {

namespace stdfs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int Shows = 300;
constexpr int SlidesPerShow = 40;

struct Silent : Prompter {
    Answer show(const Message&) override { return Answer::No; }
    std::string input(std::string_view, std::string_view, std::string_view, int) override { return {}; }
};

void writeFile(const std::string& hostPath, const std::string& bytes) {
    stdfs::create_directories(stdfs::path(hostPath).parent_path());
    std::ofstream(hostPath, std::ios::binary) << bytes;
}

std::string line(const std::string& field) { return field + "\r\n"; }

// A camera numbers its pictures on from trip to trip and starts again after
// IMG_9999; with sameNames every trip's pictures are IMG_0 to IMG_39, the
// worst case for the search: every name in every folder.
std::string pictureName(int trip, int k, bool sameNames) {
    return "IMG_" + std::to_string(sameNames ? k : (trip * SlidesPerShow + k) % 10000) + ".jpg";
}

// A show of one trip: its pictures in C:\Old\Trip N\, which is gone.
std::string showBytes(int trip, bool sameNames) {
    std::string bytes = line("\"Vantora Slide Show\"") + line("\"Version 3.0\"") + line("0") + line("\"\"");
    for (int i = 5; i <= 23; ++i)
        bytes += line(i == 14 || i == 19 || i == 20 || i == 21 || i == 23 ? "\"0\"" : "0");
    for (int k = 0; k < SlidesPerShow; ++k) {
        bytes += line("\"C:\\Old\\Trip " + std::to_string(trip) + "\\" + pictureName(trip, k, sameNames) + "\"");
        bytes += line("\"\"") + line("0") + line("\"\"");
        for (int s = 0; s < 8; ++s)
            bytes += line(s == 4 ? "1" : "0");
        bytes += line("\"\"") + line("\"\"");
    }
    return bytes;
}

struct Fixture {
    explicit Fixture(bool sameNames) {
        stdfs::create_directories(scratch.host("c"));
        for (int trip = 0; trip < Shows; ++trip) {
            for (int k = 0; k < SlidesPerShow; ++k)
                writeFile(scratch.host("search/Trip " + std::to_string(trip) + "/" +
                                       pictureName(trip, k, sameNames)),
                          "");
            writeFile(scratch.host("shows/show" + std::to_string(trip) + ".vts"),
                      showBytes(trip, sameNames));
        }
        DriveMap::setCurrent(DriveMap({{'C', scratch.host("c")}}));
        Clock::duration warming{};
        yardstick(warming);
    }
    // find over the search folder, then the shows' bytes read.
    long yardstick(Clock::duration& spent) const {
        const std::string command = "find '" + scratch.host("search") + "' -type f | wc -l && cat '" +
                                    scratch.host("shows") + "'/*.vts | wc -c";
        const auto start = Clock::now();
        FILE* pipe = ::popen(command.c_str(), "r");
        long files = -1, bytes = -1;
        if (!pipe || std::fscanf(pipe, "%ld %ld", &files, &bytes) != 2)
            files = -1;
        if (pipe && ::pclose(pipe) != 0)
            files = -1;
        spent = Clock::now() - start;
        return files;
    }
    ScratchFolder scratch;
};

Fixture& fixture(bool sameNames = false) {
    static Fixture camera(false);
    if (!sameNames)
        return camera;
    static Fixture same(true);
    return same;
}

double yardstickSeconds = 0;

void FindSearchFolderAndCatShows(benchmark::State& state) {
    Clock::duration total{};
    for (auto _ : state) {
        Clock::duration spent{};
        if (fixture().yardstick(spent) != Shows * SlidesPerShow)
            state.SkipWithError("find counted wrong");
        state.SetIterationTime(std::chrono::duration<double>(spent).count());
        total += spent;
    }
    yardstickSeconds = std::chrono::duration<double>(total).count() / static_cast<double>(state.iterations());
}

// The time of one run, without making the collection or removing what it wrote.
Clock::duration relinkOnce(benchmark::State& state, collection::CollectionOptions::Output output,
                           bool sameNames) {
    Fixture& f = fixture(sameNames);
    DriveMap::setCurrent(DriveMap({{'C', f.scratch.host("c")}}));
    collection::CollectionOptions options;
    options.paths = {f.scratch.host("shows")};
    options.relink = true;
    options.searches = {f.scratch.host("search")};
    options.output = output;
    options.folder = f.scratch.host("out");
    std::ostringstream out, err;
    Silent prompter;
    const auto start = Clock::now();
    const bool whole = collection::runCollection(options, out, err, prompter);
    const Clock::duration spent = Clock::now() - start;
    if (!whole)
        state.SkipWithError("the relink left files missing");
    state.SetIterationTime(std::chrono::duration<double>(spent).count());
    stdfs::remove_all(f.scratch.host("out"));
    return spent;
}

void RelinkCollection(benchmark::State& state, collection::CollectionOptions::Output output,
                      bool sameNames) {
    Clock::duration total{};
    for (auto _ : state)
        total += relinkOnce(state, output, sameNames);
    const double perRun = std::chrono::duration<double>(total).count() / static_cast<double>(state.iterations());
    state.counters["yardstick_ms"] = yardstickSeconds * 1000;
    state.counters["x_yardstick"] = yardstickSeconds > 0 ? perRun / yardstickSeconds : 0;
}

BENCHMARK(FindSearchFolderAndCatShows)->Unit(benchmark::kMillisecond)->UseManualTime();
// Every show read, checked, searched for and relinked; nothing written.
BENCHMARK_CAPTURE(RelinkCollection, DryRun, collection::CollectionOptions::Output::None, false)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
// The same, each show then written whole into another folder.
BENCHMARK_CAPTURE(RelinkCollection, IntoFolder, collection::CollectionOptions::Output::IntoFolder, false)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);
// Every trip's pictures named alike: each missing name is in 300 folders.
BENCHMARK_CAPTURE(RelinkCollection, DryRunSameNames, collection::CollectionOptions::Output::None, true)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

} // namespace
} // namespace vt::bench

BENCHMARK_MAIN();
