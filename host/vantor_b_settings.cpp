#include "host_names.h"
#include "host_platform.h"
#include "host_text.h"
#include "numeric_text.h"
#include "vantor_b.h"

namespace Vantor_B {

int16_t BgmKind = 0;
int16_t BgmRepeatTrack = 0;
std::string BgmFile;
int32_t CursorCount = 0;
int32_t LastApiResult = 0;

namespace {

// The platform cuts a value to one byte less than this.
constexpr uint32_t kIniValueBufferSize = 256;
// Section and key names travel in buffers of this many characters, NUL included.
constexpr size_t kIniNameBufferSize = 128;

// Empty gives 0; a value that is no number or does not fit leaves the global as it was.
void LoadInteger(int16_t& global, const char* key) {
    const std::string value = IniRead(kSettingsSection, key, SettingsPath());
    if (value.empty()) {
        global = 0;
        return;
    }
    if (const std::optional<int16_t> number = SettingsInteger(value)) {
        global = *number;
    }
}

}  // namespace

std::string SettingsPath() {
    return Platform().HostFolder() + kSettingsFileName;
}

std::string IniRead(const std::string& section, const std::string& key, const std::string& path) {
    return Platform().ReadProfileValue(section, key, path, kIniValueBufferSize);
}

void IniWrite(const std::string& section, const std::string& key, const std::string& value,
              const std::string& path) {
    LastApiResult = Platform().WriteProfileValue(LeftCharacters(section, kIniNameBufferSize - 1),
                                                 LeftCharacters(key, kIniNameBufferSize - 1), value, path);
}

void LoadSettings() {
    LoadInteger(BgmKind, kKeyBgmKind);
    LoadInteger(BgmRepeatTrack, kKeyBgmRepeatTrack);
    BgmFile = IniRead(kSettingsSection, kKeyBgmFile, SettingsPath());
    // A stale path is dropped whatever the kind, so the dialog never offers a file that has gone.
    if (!BgmFile.empty() && FileExists(BgmFile)) {
        return;
    }
    BgmFile.clear();
    if (BgmKind == kBgmFile) {
        BgmKind = kBgmNone;
    }
}

bool FileExists(const std::string& path) {
    std::string file = path;
    if (!file.empty() && file.back() == '\\') {
        file.pop_back();
    }
    return !file.empty() && Platform().CanOpenForReading(file);
}

}  // namespace Vantor_B
