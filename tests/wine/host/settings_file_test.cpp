// The settings helpers on the real profile functions: writes the three keys the way the settings dialog
// does, beside this program, then reads them back and loads them. The music lies in a folder beside this
// program's. Prints one line per failed check.
#include <windows.h>

#include <cstdio>

#include "ansi_text_win32.h"
#include "host_platform_win32.h"
#include "vantor_b.h"

namespace {

int failures = 0;

void Check(bool ok, const char* what) {
    if (ok) {
        return;
    }
    std::printf("failed: %s\n", what);
    ++failures;
}

}  // namespace

int main() {
    static Win32HostPlatform platform;
    Vantor_B::UsePlatform(platform);

    const std::string hostFolder = platform.HostFolder();
    const std::string folder = hostFolder.substr(0, hostFolder.find_last_of('\\')) + "\\曲 フォルダ";
    const std::string musicFile = folder + "\\海の歌.mp3";
    CreateDirectoryA(ToAnsi(folder).c_str(), nullptr);
    HANDLE file =
        CreateFileA(ToAnsi(musicFile).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    Check(file != INVALID_HANDLE_VALUE, "the music file can be made");
    CloseHandle(file);

    // In Shift-JIS "ソ" ends in the byte of a backslash; only a real backslash may be dropped.
    const std::string backslashTrail = folder + "\\ソ";
    file = CreateFileA(ToAnsi(backslashTrail).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    Check(Vantor_B::FileExists(backslashTrail),
          "a name ending in a double-byte character with a backslash byte");

    const std::string path = Vantor_B::SettingsPath();
    Vantor_B::IniWrite("Section", "BGM区分", "2", path);
    Check(Vantor_B::LastApiResult != 0, "the first write reports success");
    Vantor_B::IniWrite("Section", "BGMﾘﾋﾟｰﾄ", "0", path);
    Vantor_B::IniWrite("Section", "BGMﾌｧｲﾙ", musicFile, path);

    Check(Vantor_B::IniRead("Section", "BGMﾌｧｲﾙ", path) == musicFile, "the music path reads back unchanged");
    Check(Vantor_B::IniRead("Section", "bgmﾌｧｲﾙ", path) == musicFile,
          "key names are read case-insensitively");
    Check(Vantor_B::IniRead("Section", "BGM", path).empty(), "a missing key reads as empty");
    Vantor_B::LoadSettings();
    Check(Vantor_B::BgmKind == 2 && Vantor_B::BgmRepeatTrack == 0, "the numbers load");
    Check(Vantor_B::BgmFile == musicFile, "the music path loads");
    Check(Vantor_B::FileExists(musicFile + "\\"), "one trailing backslash is ignored");
    Check(!Vantor_B::FileExists(folder), "a folder is no file");
    std::printf("%d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
