#include "BenchSupport.h"
#include "LargeShow.h"

#include "common/Prompter.h"
#include "listing/FilenameListing.h"
#include "media/FolderLists.h"
#include "patheditor/PathEditor.h"

#include <benchmark/benchmark.h>
#include <stdexcept>

namespace vt {
namespace {

// Prompts would mean a failure; there are none to answer.
class SilentPrompter : public Prompter {
  public:
    Answer show(const Message&) override { throw std::runtime_error("unexpected message"); }
    std::string input(std::string_view, std::string_view, std::string_view, int) override {
        return {};
    }
};

void FillThreeLists(benchmark::State& state) {
    const auto model = bench::largeShow();
    for (auto _ : state) {
        auto slides = FillSlidePaths(*model);
        auto textures = FillTexturePaths(*model);
        auto sounds = FillSoundPaths(*model);
        benchmark::DoNotOptimize(slides.data());
        benchmark::DoNotOptimize(textures.data());
        benchmark::DoNotOptimize(sounds.data());
    }
}
BENCHMARK(FillThreeLists)->Unit(benchmark::kMillisecond);

void OpenPathEditorState(benchmark::State& state) {
    const auto model = bench::largeShow();
    for (auto _ : state) {
        PathEditor editor(*model);
        benchmark::DoNotOptimize(editor.EditSlideFile.data());
    }
}
BENCHMARK(OpenPathEditorState)->Unit(benchmark::kMillisecond);

// Moves every entry there and back: each run rewrites all 60,000 paths that
// begin with the folder, and no row matches, so every row is compared.
void ReplaceCommonFolder(benchmark::State& state) {
    const auto model = bench::largeShow();
    PathEditor editor(*model);
    bool there = false;
    for (auto _ : state) {
        editor.ReplaceFolder(there ? "D:\\Shows\\" : "C:\\Shows\\",
                             there ? "C:\\Shows\\" : "D:\\Shows\\");
        there = !there;
    }
}
BENCHMARK(ReplaceCommonFolder)->Unit(benchmark::kMillisecond);

void WriteNumberedListing(benchmark::State& state) {
    const auto model = bench::largeShow();
    UtilityOptions options;
    options.SlideNumbers = true;
    const bench::ScratchFolder folder;
    SilentPrompter prompter;
    for (auto _ : state)
        WriteFilenameListing(*model, options, folder.win(), prompter);
}
BENCHMARK(WriteNumberedListing)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vt

BENCHMARK_MAIN();
