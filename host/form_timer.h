#pragma once
// A timer control of a form: an interval and an enabled state; the form's window does the ticking.
// TimerPort is implemented by the run form's window (run_form_win32.cpp), faked by tests/host's
// FakeTimers.
#include <cstdint>

namespace Vantor_B {

struct TimerPort {
    virtual ~TimerPort() = default;
    virtual void StartTimer(int id, uint32_t intervalMs) = 0;
    virtual void StopTimer(int id) = 0;
};

class FormTimer {
  public:
    FormTimer(TimerPort& port, int id, uint32_t intervalMs, bool enabled);
    bool Enabled() const { return enabled_; }
    // Setting the state it already has leaves a running countdown alone.
    void SetEnabled(bool enabled);

  private:
    TimerPort& port_;
    int id_;
    uint32_t intervalMs_;
    bool enabled_ = false;
};

}  // namespace Vantor_B
