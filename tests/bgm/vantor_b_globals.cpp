// The settings globals the music module reads, for builds without the host's own module.
#include "vantor_b.h"

namespace Vantor_B {
int16_t BgmKind = 0;
int16_t BgmRepeatTrack = 0;
std::string BgmFile;
int32_t LastApiResult = 0;
}  // namespace Vantor_B
