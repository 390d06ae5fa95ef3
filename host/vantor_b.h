#pragma once
// Module Vantor_B: the host's start routine, its settings globals and the settings-file helpers.
// Texts are UTF-8 inside the host; conversion to the system code page happens at the Win32 boundary.
#include <cstdint>
#include <string>

#include "vantor_r.h"

namespace Vantor_B {

struct HostPlatform;
// Every platform call of the host goes through here; the program installs the real one at start, tests
// their fake. Used before it is installed, it ends the process with a message on the error output.
void UsePlatform(HostPlatform& platform);
HostPlatform& Platform();

// The values of BgmKind that play something or nothing; a settings file may hold any other number,
// which plays nothing and selects no kind in the dialog.
enum BgmKindValue : int16_t { kBgmNone = 0, kBgmCd = 1, kBgmFile = 2 };
inline constexpr int16_t kBgmKindCount = 3;

extern int16_t BgmKind;  // a BgmKindValue, or what the settings file held

extern int16_t BgmRepeatTrack;  // CD track to repeat, 0 = whole disc
extern std::string BgmFile;     // full path of the music file
extern int32_t CursorCount;     // display count after an "S" run hid the cursor
extern int32_t LastApiResult;

// The form the start routine leaves to its caller, which owns the forms' windows: the preview form
// shown at its place, the settings dialog shown modally (the process ends when it has closed), or the
// hidden run form loaded. None when the process has ended.
enum class StartForm { None, Preview, SettingsDialog, RunForm };
struct Start {
    StartForm form = StartForm::None;
    Vantor_R::Placement preview;
};

// The start routine: ends the process at once, or says which form to open.
Start Main();

// The host's folder + "\Quorrel.ini".
std::string SettingsPath();
std::string IniRead(const std::string& section, const std::string& key, const std::string& path);
void IniWrite(const std::string& section, const std::string& key, const std::string& value,
              const std::string& path);
void LoadSettings();
// True when the file (one trailing backslash ignored) can be opened for reading; folders are not files.
bool FileExists(const std::string& path);

}  // namespace Vantor_B
