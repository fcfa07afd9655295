#pragma once

#include "common/BusyPointer.h"

namespace vt {

// The busy flag as the application's override cursor: the hourglass shows
// over every window of the program while a command works.
class CursorBusyPointer : public BusyPointer {
  public:
    bool isDefault() const override;
    void setHourglass() override;
    void setDefault() override;
    void processPending() override;
};

} // namespace vt
