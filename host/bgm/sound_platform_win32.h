#pragma once
// The music module's platform on Windows: winmm through its "A" entry points.
#include "sound_platform.h"

Vantor_BGM::SoundPlatform& SystemSoundPlatform();
