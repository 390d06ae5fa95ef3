#pragma once
// Module Vantor_B: the host's start routine, its settings globals and the settings-file helpers.
// Texts are UTF-8 inside the host; conversion to the system code page happens at the Win32 boundary.
#include <cstdint>
#include <string>

namespace Vantor_B {

extern int16_t BgmKind;         // 0 none, 1 music CD, 2 MP3 or WAV file
extern int16_t BgmRepeatTrack;  // CD track to repeat, 0 = whole disc
extern std::string BgmFile;     // full path of the music file
extern int32_t LastApiResult;

// The host's folder + "\Quorrel.ini".
std::string SettingsPath();
void IniWrite(const std::string& section, const std::string& key, const std::string& value,
              const std::string& path);

}  // namespace Vantor_B
