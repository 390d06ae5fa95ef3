#include "form_timer.h"

namespace Vantor_B {

FormTimer::FormTimer(HostPlatform& platform, intptr_t window, int id, uint32_t intervalMs, bool enabled)
    : platform_(platform), window_(window), id_(id), intervalMs_(intervalMs) {
    SetEnabled(enabled);
}

void FormTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    if (enabled) {
        enabled_ = platform_.StartTimer(window_, id_, intervalMs_);
    } else {
        enabled_ = false;
        platform_.StopTimer(window_, id_);
    }
}

}  // namespace Vantor_B
