#pragma once
// Module Vantor_BGM: background music during a run (CD and MP3 through MCI command strings, WAV
// through the system sound player), kept going by the run form's timers.
#include <cstdint>
#include <string>

namespace Vantor_BGM {

struct SoundPlatform;
// The platform calls of this module go through here; the host installs the real one at start.
void UseSoundPlatform(SoundPlatform& platform);

extern int16_t CdPollActive;  // -1 while the CD answers, 0 after a device error

// Command-string helpers: 0 success, -1 empty command, else the MCI error code.
int32_t MciSend(const std::string& command, std::string& reply);
std::string MciQuery(const std::string& command);
int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to);

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
