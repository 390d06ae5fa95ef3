#include "placement.h"

#include <cmath>

namespace Vantor_P {

TwipPoint DialogPosition(double screenWidth, double screenHeight, double dialogWidth, double dialogHeight) {
    const auto freeSpace = [](double screen, double dialog) {
        return static_cast<int64_t>(std::nearbyint(screen - dialog));
    };
    return {freeSpace(screenWidth, dialogWidth) / 2, freeSpace(screenHeight, dialogHeight) / 3};
}

}  // namespace Vantor_P
