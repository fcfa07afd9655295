#pragma once

#include "pack/Pack.h"

#include <csignal>

namespace vt::cli {

// While it lives, Ctrl-C, SIGTERM and SIGHUP cancel the pack as the window's
// Cancel does: the copying stops at its next piece and removes what it wrote
// in its ordinary course, not in the signal handler.
class CancelOnSignals {
  public:
    explicit CancelOnSignals(pack::PackProgress& progress);
    ~CancelOnSignals();
    CancelOnSignals(const CancelOnSignals&) = delete;
    CancelOnSignals& operator=(const CancelOnSignals&) = delete;

    // The signal that came, or 0.
    int received() const;

  private:
    struct sigaction m_old[3] {};
};

} // namespace vt::cli
