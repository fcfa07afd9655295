// Reading, appending and writing the largest shows, each compared with the
// time it takes just to read the same bytes and count their lines. Also the
// peak memory of `vtshow info` on the largest show, and its time and memory
// on files that are no show at all (goal: peak under 64 MB for 200 MB) and
// on lines of 1 GB (goal: under 100 MB, about the time of `wc -l`).

#include "BenchSupport.h"

#include "common/Prompter.h"
#include "platform/DriveMap.h"
#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowWriter.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <functional>
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

// What `vtshow info` on a file cost: wall seconds and peak resident MB;
// negative when it did not end with a message or a show.
struct RunCost {
    double seconds = -1;
    double megabytes = -1;
};

RunCost vtshowInfoCost(const std::string& hostShow) {
    std::fflush(nullptr);
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::execl(VTSHOW_PATH, "vtshow", "info", hostShow.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    // Status 1 is expected: a message was given.
    if (child < 0 || ::wait4(child, &status, 0, &usage) < 0 || !WIFEXITED(status) ||
        WEXITSTATUS(status) > 1)
        return {};
    return {std::chrono::duration<double>(Clock::now() - start).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

// Writes size bytes made by fill after head, a megabyte at a time.
void writeFile(const std::string& path, const std::string& head, std::size_t size,
               const std::function<char()>& fill) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        throw std::runtime_error("cannot write " + path);
    std::fwrite(head.data(), 1, head.size(), out);
    std::string piece(std::size_t{1} << 20, '\0');
    for (std::size_t done = 0; done < size; done += piece.size()) {
        for (char& c : piece)
            c = fill();
        std::fwrite(piece.data(), 1, std::min(piece.size(), size - done), out);
    }
    std::fclose(out);
}

// What `wc -l` does: read the file once through a small buffer, counting
// line ends; the best of three.
double wcSeconds(const std::string& path) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        std::FILE* in = std::fopen(path.c_str(), "rb");
        std::string piece(std::size_t{1} << 16, '\0');
        std::size_t got = 0, lines = 0;
        while (in && (got = std::fread(piece.data(), 1, piece.size(), in)) > 0)
            lines += static_cast<std::size_t>(std::count(piece.data(), piece.data() + got, '\n'));
        if (in)
            std::fclose(in);
        benchmark::DoNotOptimize(lines);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

// Files that are no show at all, or barely one: each must end in the
// reader's own message, cheaply.
void reportBadInput(const ScratchFolder& folder) {
    constexpr std::size_t MB = std::size_t{1} << 20;
    unsigned seed = 2026;
    const auto random = [&seed] { return static_cast<char>((seed = seed * 1103515245u + 12345u) >> 23); };
    const std::string identifier = "\"Vantora Slide Show\"";
    std::string header = identifier + "\r\n\"Version 3.0\"\r\n";
    for (int line = 3; line <= 23; ++line)
        header += line == 4 || line == 14 || line == 19 || line >= 20 ? "\"0\"\r\n" : "0\r\n";
    struct BadFile {
        const char* what;
        std::string head;
        std::size_t size;
        std::function<char()> fill;
    };
    const BadFile files[] = {
        {"200 MB of random bytes", "", 200 * MB, random},
        {"one line of 100 MB", "", 100 * MB, [] { return 'x'; }},
        {"a version line of 100 MB", identifier + "\r\n\"Version ", 100 * MB, [] { return '9'; }},
        {"100 MB with CR-only line ends", identifier, 100 * MB, [] { return '\r'; }},
        // A line longer than any field keeps: read past, only its start kept.
        {"a version line of 1 GB", identifier + "\r\n\"Version ", 1024 * MB, [] { return '9'; }},
        {"a slide line of 1 GB after a whole header", header + "\"C:\\", 1024 * MB,
         [] { return 'x'; }},
    };
    const std::string path = folder.host("bad.vts");
    for (const BadFile& file : files) {
        writeFile(path, file.head, file.size, file.fill);
        const RunCost cost = vtshowInfoCost(path);
        std::printf("vtshow info on %s: %.2f s, peak memory %.1f MB (wc -l: %.2f s)\n", file.what,
                    cost.seconds, cost.megabytes, wcSeconds(path));
    }
}

} // namespace
} // namespace vt::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const auto& f = vt::bench::fixture();
    std::printf("vtshow info on 30,000 slides and 1,000 sounds: peak memory %.1f MB (goal < 40 MB)\n",
                vt::bench::vtshowInfoCost(f.folder.host("full.vts")).megabytes);
    vt::bench::reportBadInput(f.folder);
    benchmark::Shutdown();
    return 0;
}
