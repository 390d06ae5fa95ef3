// Draws the host's pictures into a folder: quorrel_art <folder> (normally assets/).
#include <cstdio>

#include "art.h"
#include "bmp_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorrel_art <folder>\n");
        return 2;
    }
    for (const auto& file : art::AllAssets()) {
        const std::string path = std::string(argv[1]) + "/" + file.name;
        if (!art::WriteFileBytes(path, file.bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
