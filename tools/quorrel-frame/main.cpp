// quorrel-frame: renders one frame for a given seed and clock and writes it out.
#include <cstdio>

#include "frame.h"
#include "frame_arguments.h"
#include "frame_output.h"

int main(int argc, char** argv) {
    const auto parsed = ParseFrameArguments(argc, argv);
    if (const std::string* refusal = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "quorrel-frame: %s\n", refusal->c_str());
        return 2;
    }
    const FrameRequest& request = std::get<FrameRequest>(parsed);
    RenderRequestedFrame(request);
    const std::string failure = WriteFrame(FrameBuffer, request.out, request.format);
    if (!failure.empty()) {
        std::fprintf(stderr, "quorrel-frame: %s\n", failure.c_str());
        return 1;
    }
    return 0;
}
