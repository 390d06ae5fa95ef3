#pragma once
// Where the dialog opens: centred horizontally, at a third of the free height from the top.
#include <cstdint>

namespace Vantor_P {

struct TwipPoint {
    int64_t left, top;
    bool operator==(const TwipPoint&) const = default;
};

// All sizes in twips. Each difference is rounded to a whole number (ties to even), each quotient truncated
// toward zero, so a dialog larger than the screen gets a negative position.
TwipPoint DialogPosition(double screenWidth, double screenHeight, double dialogWidth, double dialogHeight);

}  // namespace Vantor_P
