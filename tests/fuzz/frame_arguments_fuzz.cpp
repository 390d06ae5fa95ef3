// The frame tool's arguments: the input is the arguments split at NUL bytes.
#include <string>
#include <variant>

#include "frame_arguments.h"
#include "fuzz_input.h"

namespace {

std::vector<std::string> Written(const FrameRequest& request) {
    std::vector<std::string> arguments{"--time-ms", std::to_string(request.timeMs),
                                       "--out",     request.out,
                                       "--format",  request.format == FrameFormat::Png ? "png" : "bgra"};
    if (request.seed != 0) {
        arguments.insert(arguments.end(), {"--seed", std::to_string(request.seed)});
    }
    if (request.grey) {
        arguments.emplace_back("--grey");
    }
    return arguments;
}

bool Same(const FrameRequest& a, const FrameRequest& b) {
    return a.seed == b.seed && a.timeMs == b.timeMs && a.out == b.out && a.grey == b.grey &&
           a.format == b.format;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using fuzz::Require;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> arguments = fuzz::Pieces(input, 32);
    const std::vector<const char*> argv = fuzz::Argv(arguments);
    const auto parsed = ParseFrameArguments(static_cast<int>(argv.size() - 1), argv.data());
    if (const auto* refusal = std::get_if<std::string>(&parsed)) {
        Require(fuzz::OneLine(*refusal), "a refusal is one line", input);
        return 0;
    }
    const FrameRequest& request = std::get<FrameRequest>(parsed);
    Require(!request.out.empty(), "a frame has a file to go to", input);
    Require(request.grey || request.seed != 0, "a coloured frame has a seed", input);
    const std::vector<std::string> written = Written(request);
    const std::vector<const char*> again = fuzz::Argv(written);
    const auto reparsed = ParseFrameArguments(static_cast<int>(again.size() - 1), again.data());
    Require(std::holds_alternative<FrameRequest>(reparsed) && Same(std::get<FrameRequest>(reparsed), request),
            "arguments written out read back the same", input);
    return 0;
}
