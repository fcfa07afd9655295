// Reading, appending and writing the largest shows, each compared with the
// time it takes just to read the same bytes and count their lines. Also the
// peak memory of `vtshow info` on the largest show.

#include "BenchSupport.h"

#include "common/Prompter.h"
#include "platform/DriveMap.h"
#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowWriter.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vt::bench {
namespace {

// A full show meets the slide limit: that notice is all it may say.
class SilentPrompter : public Prompter {
public:
    Answer show(const Message& message) override {
        if (message.text.rfind("The maximum ", 0) != 0)
            throw std::runtime_error("unexpected message: " + message.text);
        return Answer::Ok;
    }
    std::string input(std::string_view, std::string_view, std::string_view, int) override {
        return {};
    }
};

struct Fixture {
    ScratchFolder folder;
    // A show of 30,000 slides meets the slide limit, and the reader stops there
    // without reading its play list; one slide less lets it read all 1,000 sounds.
    std::string fullShow = writeLargeShow(folder, "full.vts", 30000, 1000);
    std::string listShow = writeLargeShow(folder, "list.vts", 29999, 1000);
    std::string halfShow = writeLargeShow(folder, "half.vts", 15000, 0);
    double fullLineCount = lineCountSeconds(folder.host("full.vts"));
    double listLineCount = lineCountSeconds(folder.host("list.vts"));
    double halfLineCount = lineCountSeconds(folder.host("half.vts"));
    SilentPrompter prompter;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

using Clock = std::chrono::steady_clock;

void report(benchmark::State& state, Clock::duration spent, double lineCount) {
    const double perRun = std::chrono::duration<double>(spent).count() / static_cast<double>(state.iterations());
    state.counters["x_line_count"] = perRun / lineCount;
    state.counters["line_count_ms"] = lineCount * 1000;
}

void readShow(benchmark::State& state, const std::string& show, int slides, int sounds,
              double lineCount) {
    Fixture& f = fixture();
    auto model = std::make_unique<SlideShowModel>();
    Clock::duration spent{};
    for (auto _ : state) {
        const auto start = Clock::now();
        openSlideShow(*model, show, f.prompter);
        spent += Clock::now() - start;
    }
    if (model->SlideCount != slides || model->PlayListCount != sounds)
        state.SkipWithError("the show was not read whole");
    report(state, spent, lineCount);
}

void ReadSlideShow30000(benchmark::State& state) {
    readShow(state, fixture().fullShow, 30000, 0, fixture().fullLineCount);
}

void ReadSlideShow29999With1000Sounds(benchmark::State& state) {
    readShow(state, fixture().listShow, 29999, 1000, fixture().listLineCount);
}

void ReadAppendedSlideShow15000(benchmark::State& state) {
    Fixture& f = fixture();
    auto model = std::make_unique<SlideShowModel>();
    Clock::duration spent{};
    for (auto _ : state) {
        state.PauseTiming();
        openSlideShow(*model, f.halfShow, f.prompter);
        state.ResumeTiming();
        const auto start = Clock::now();
        ReadAppendedSlideShow(*model, f.halfShow, f.prompter);
        spent += Clock::now() - start;
    }
    if (model->SlideCount != 30000)
        state.SkipWithError("the show was not appended whole");
    report(state, spent, f.halfLineCount);
}

void WriteSlideShow30000(benchmark::State& state) {
    Fixture& f = fixture();
    auto model = std::make_unique<SlideShowModel>();
    openSlideShow(*model, f.fullShow, f.prompter);
    std::string last;
    Clock::duration spent{};
    for (auto _ : state) {
        const auto start = Clock::now();
        WriteSlideShow(*model, f.folder.win(), "written.vts", f.prompter, last);
        spent += Clock::now() - start;
    }
    report(state, spent, lineCountSeconds(f.folder.host("written.vts")));
}

BENCHMARK(ReadSlideShow30000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadSlideShow29999With1000Sounds)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAppendedSlideShow15000)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteSlideShow30000)->Unit(benchmark::kMillisecond);

// Peak resident memory of `vtshow info` on the largest show, in MB.
double vtshowInfoPeakMegabytes(const std::string& hostShow) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::execl(VTSHOW_PATH, "vtshow", "info", hostShow.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    // Status 1 is expected: a show of exactly 30,000 slides meets the limit notice.
    if (child < 0 || ::wait4(child, &status, 0, &usage) < 0 || !WIFEXITED(status) ||
        WEXITSTATUS(status) > 1)
        return -1;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace
} // namespace vt::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const auto& f = vt::bench::fixture();
    std::printf("vtshow info on 30,000 slides and 1,000 sounds: peak memory %.1f MB (goal < 40 MB)\n",
                vt::bench::vtshowInfoPeakMegabytes(f.folder.host("full.vts")));
    benchmark::Shutdown();
    return 0;
}
