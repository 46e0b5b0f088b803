#pragma once

namespace zomar {

// The window's mouse pointer: hourglass or default. Like a property, not a
// stack: an operation nested in another may set it back to the default.
class BusyPointer
{
public:
    ~BusyPointer() { set(false); }
    void set(bool busy);
    bool isBusy() const { return m_busy; }

private:
    bool m_busy = false;
};

} // namespace zomar
