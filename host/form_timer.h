#pragma once
// A timer control of a form: an interval and an enabled state; the form's window does the ticking.
#include <cstdint>

#include "host_platform.h"

namespace Vantor_B {

class FormTimer {
  public:
    FormTimer(HostPlatform& platform, intptr_t window, int id, uint32_t intervalMs, bool enabled);
    // False too when the system could not start the timer.
    bool Enabled() const { return enabled_; }
    // Setting the state it already has leaves a running countdown alone.
    void SetEnabled(bool enabled);

  private:
    HostPlatform& platform_;
    intptr_t window_;
    int id_;
    uint32_t intervalMs_;
    bool enabled_ = false;
};

}  // namespace Vantor_B
