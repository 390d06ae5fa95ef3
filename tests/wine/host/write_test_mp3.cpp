// Writes the music tests' silent MP3 to the file named on the command line: 200 frames (a few seconds)
// unless a count of frames follows (39 make a second).
#include <cstdio>
#include <cstdlib>

#include "test_sounds.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        return 2;
    }
    const std::vector<uint8_t> mp3 = SilentMp3(argc == 3 ? static_cast<uint32_t>(std::atoi(argv[2])) : 200);
    FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        return 1;
    }
    const bool written = std::fwrite(mp3.data(), 1, mp3.size(), file) == mp3.size();
    return std::fclose(file) == 0 && written ? 0 : 1;
}
