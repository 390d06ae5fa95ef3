#include "form_timer.h"

namespace Vantor_B {

FormTimer::FormTimer(TimerPort& port, int id, uint32_t intervalMs, bool enabled)
    : port_(port), id_(id), intervalMs_(intervalMs) {
    SetEnabled(enabled);
}

void FormTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (enabled) {
        port_.StartTimer(id_, intervalMs_);
    } else {
        port_.StopTimer(id_);
    }
}

}  // namespace Vantor_B
