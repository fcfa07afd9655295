#include "LargeShow.h"

#include "common/BusyPointer.h"
#include "common/FileDialogs.h"
#include "common/HelpFacility.h"
#include "common/Prompter.h"
#include "patheditor/frmEditPath.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace vt {
namespace {

class NoPrompter : public Prompter {
  public:
    Answer show(const Message&) override { return Answer::Ok; }
    std::string input(std::string_view, std::string_view, std::string_view, int) override {
        return {};
    }
};

class NoPointer : public BusyPointer {
  public:
    bool isDefault() const override { return true; }
    void setHourglass() override {}
    void setDefault() override {}
    void processPending() override {}
};

class NoHelp : public HelpFacility {
  public:
    void showContents() override {}
    void showTopic(int) override {}
    void showSearch() override {}
    void close() override {}
};

class NoDialogs : public FileDialogs {
  public:
    std::optional<std::string> choose(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> chooseFolder(const FolderDialogRequest&) override { return {}; }
};

// From the click to a painted dialog: loading builds the lists and the
// working copies, checks which files are missing and fills the list widgets.
void OpenPathEditorDialog(benchmark::State& state) {
    const auto model = bench::largeShow();
    NoPrompter prompter;
    NoPointer pointer;
    NoHelp help;
    NoDialogs dialogs;
    for (auto _ : state) {
        frmEditPath dialog(*model, prompter, pointer, help, dialogs);
        dialog.show();
        QApplication::processEvents();
        dialog.repaint();
    }
}
BENCHMARK(OpenPathEditorDialog)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
} // namespace vt

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
