#pragma once

namespace vt {

// The screen's mouse pointer, which doubles as the program's busy flag: a
// command that could collide with a running one does nothing unless the
// pointer is the default one. Not a stack: setDefault always clears it.
class BusyPointer {
public:
    virtual ~BusyPointer() = default;
    virtual bool isDefault() const = 0;
    virtual void setHourglass() = 0;
    virtual void setDefault() = 0;
    // Lets pending window messages run once.
    virtual void processPending() = 0;
};

} // namespace vt
