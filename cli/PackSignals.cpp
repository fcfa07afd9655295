#include "cli/PackSignals.h"

#include <atomic>
#include <cstdlib>
#include <string>

namespace vt::cli {
namespace {

constexpr int Signals[] = {SIGINT, SIGTERM, SIGHUP};

static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");
std::atomic<bool>* g_cancel = nullptr;
volatile std::sig_atomic_t g_received = 0;

extern "C" void cancelPack(int signal) {
    g_received = signal;
    if (g_cancel)
        g_cancel->store(true);
}

// For the tests: with VTSHOW_TEST_PAUSE_AFTER_FILES=n in the environment the
// pack stops itself once n files are copied, so that a signal sent to it then
// lands in the middle of the pack.
void pauseForTests(pack::PackProgress& progress) {
    const char* after = std::getenv("VTSHOW_TEST_PAUSE_AFTER_FILES");
    if (!after)
        return;
    progress.changed = [&progress, files = std::atol(after), paused = false]() mutable {
        if (!paused && progress.files >= files) {
            paused = true;
            std::raise(SIGSTOP);
        }
    };
}

} // namespace

CancelOnSignals::CancelOnSignals(pack::PackProgress& progress) {
    g_received = 0;
    g_cancel = &progress.cancel;
    struct sigaction action {};
    action.sa_handler = cancelPack;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(Signals); ++i)
        sigaction(Signals[i], &action, &m_old[i]);
    pauseForTests(progress);
}

CancelOnSignals::~CancelOnSignals() {
    for (std::size_t i = 0; i < std::size(Signals); ++i)
        sigaction(Signals[i], &m_old[i], nullptr);
    g_cancel = nullptr;
}

int CancelOnSignals::received() const { return g_received; }

} // namespace vt::cli
