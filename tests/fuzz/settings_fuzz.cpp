// Loading the settings values: whatever the file holds, and what the dialog stores reads back.
#include <string>

#include "fake_host_platform.h"
#include "fuzz_input.h"
#include "host_names.h"
#include "repeat_track.h"
#include "vantor_b.h"

namespace {

struct Loaded {
    int16_t kind;
    int16_t track;
    std::string file;
    bool operator==(const Loaded&) const = default;
};

// LoadSettings over globals an earlier load had left (a value that is no number keeps them).
Loaded Load() {
    Vantor_B::BgmKind = 77;
    Vantor_B::BgmRepeatTrack = -77;
    Vantor_B::BgmFile = "junk";
    Vantor_B::LoadSettings();
    return {Vantor_B::BgmKind, Vantor_B::BgmRepeatTrack, Vantor_B::BgmFile};
}

// As the dialog stores a choice.
void Store(const Loaded& choice) {
    using namespace Vantor_B;
    IniWrite(kSettingsSection, kKeyBgmKind, std::to_string(choice.kind), SettingsPath());
    IniWrite(kSettingsSection, kKeyBgmRepeatTrack, std::to_string(choice.track), SettingsPath());
    IniWrite(kSettingsSection, kKeyBgmFile, choice.file, SettingsPath());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace Vantor_B;
    using fuzz::Require;
    const std::string input(reinterpret_cast<const char*>(data), size);
    host_test::FakeHostPlatform platform;
    UsePlatform(platform);
    const std::vector<std::string> values = fuzz::Pieces(input, 3);
    const char* keys[] = {kKeyBgmKind, kKeyBgmRepeatTrack, kKeyBgmFile};
    for (size_t i = 0; i < values.size(); ++i) {
        platform.profile[std::string(kSettingsSection) + "|" + keys[i] + "|" + SettingsPath()] = values[i];
    }
    // A file the platform can open; a trailing backslash the loader drops, as it names no file.
    const auto withoutBackslash = [](std::string path) {
        if (!path.empty() && path.back() == '\\') {
            path.pop_back();
        }
        return path;
    };
    const uint32_t word = fuzz::Word(input);
    if (values.size() == 3 && (word & 0x10000) != 0) {
        platform.readableFiles.insert(withoutBackslash(values[2]));
    }

    // Whatever the file holds: a kind of music that needs a file has one that can be read.
    const Loaded loaded = Load();
    Require(loaded.kind != 2 || !loaded.file.empty(), "an MP3 kind has its file", input);
    Require(loaded.file.empty() || platform.readableFiles.count(withoutBackslash(loaded.file)) != 0,
            "the file can be read", input);
    // Stored again, it loads the same.
    Store(loaded);
    Require(Load() == loaded, "loaded settings stored again read back the same", input);

    // A choice made in the dialog reads back as it was stored: the kind, the track as the box takes it, a
    // file that still exists and fits the value buffer.
    const int16_t kind = static_cast<int16_t>(word);
    std::string file = values.back().substr(0, 255);
    while (!file.empty() && file.back() == '\\') {
        file.pop_back();
    }
    platform.readableFiles.insert(file);
    const Loaded choice{kind, Vantor_P::TrackFromText(values.front()), file};
    Store(choice);
    const Loaded expected = file.empty() ? Loaded{kind == 2 ? int16_t{0} : kind, choice.track, ""} : choice;
    Require(Load() == expected, "a stored choice reads back", input);
    return 0;
}
