#pragma once
// Module Vantor_B: the host's start routine, its settings globals and the settings-file helpers.
// Texts are UTF-8 inside the host; conversion to the system code page happens at the Win32 boundary.
#include <cstdint>
#include <string>

namespace Vantor_B {

struct HostPlatform;
struct HostForms;
// Every platform call of the host goes through here, and the start routine opens its forms through
// Forms(); the program installs the real ones at start, tests their fakes. Either used before it is
// installed ends the process with a message on the error output.
void UsePlatform(HostPlatform& platform);
HostPlatform& Platform();
void UseForms(HostForms& forms);
HostForms& Forms();

// The values of BgmKind that play something or nothing; a settings file may hold any other number,
// which plays nothing and selects no kind in the dialog.
enum BgmKindValue : int16_t { kBgmNone = 0, kBgmCd = 1, kBgmFile = 2 };
inline constexpr int16_t kBgmKindCount = 3;

extern int16_t BgmKind;  // a BgmKindValue, or what the settings file held

extern int16_t BgmRepeatTrack;  // CD track to repeat, 0 = whole disc
extern std::string BgmFile;     // full path of the music file
extern int32_t CursorCount;     // display count after an "S" run hid the cursor
extern int32_t LastApiResult;

// The start routine: ends the process at once, or returns with the preview form or the run form loaded.
void Main();

// The host's folder + "\Quorrel.ini".
std::string SettingsPath();
std::string IniRead(const std::string& section, const std::string& key, const std::string& path);
void IniWrite(const std::string& section, const std::string& key, const std::string& value,
              const std::string& path);
void LoadSettings();
// True when the file (one trailing backslash ignored) can be opened for reading; folders are not files.
bool FileExists(const std::string& path);

}  // namespace Vantor_B
