#include "tab_ring.h"

#include <algorithm>
#include <vector>

#include "dialog_layout.h"

namespace Vantor_P {

std::string_view NextTabStop(std::string_view current, bool backwards,
                             const std::function<bool(std::string_view name)>& canTakeFocus) {
    std::vector<const ControlPlace*> ring;
    for (const ControlPlace& place : Layout) {
        if (place.tabIndex >= 0) {
            ring.push_back(&place);
        }
    }
    std::sort(ring.begin(), ring.end(),
              [](const ControlPlace* a, const ControlPlace* b) { return a->tabIndex < b->tabIndex; });
    if (backwards) {
        std::reverse(ring.begin(), ring.end());
    }
    const auto at = std::find_if(ring.begin(), ring.end(),
                                 [current](const ControlPlace* place) { return place->name == current; });
    const size_t start = at == ring.end() ? 0 : static_cast<size_t>(at - ring.begin()) + 1;
    for (size_t step = 0; step < ring.size(); ++step) {
        const std::string_view name = ring[(start + step) % ring.size()]->name;
        if (canTakeFocus(name)) {
            return name;
        }
    }
    return {};
}

}  // namespace Vantor_P
