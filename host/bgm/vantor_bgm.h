#pragma once
// Module Vantor_BGM: background music during a run (CD and MP3 through MCI command strings, WAV
// through the system sound player), kept going by the run form's timers.
#include <cstdint>

namespace Vantor_BGM {

struct SoundPlatform;
// The platform calls of this module go through here; the host installs the real one at start.
void UseSoundPlatform(SoundPlatform& platform);

extern int16_t CdPollActive;  // -1 while the CD answers, 0 after a device error

void CdOpen();
void CdPoll();
void CdClose();
void Mp3Open();
bool Mp3IsPlaying();
void Mp3Poll();
void Mp3Close();
void WavPlay();
void WavStop();

}  // namespace Vantor_BGM
