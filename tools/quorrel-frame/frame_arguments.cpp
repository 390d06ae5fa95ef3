#include "frame_arguments.h"

#include <optional>
#include <set>
#include <string_view>

#include "count_text.h"
#include "quoted_text.h"

namespace {

bool TakesValue(std::string_view option) {
    return option == "--seed" || option == "--time-ms" || option == "--out" || option == "--format";
}

}  // namespace

std::variant<FrameRequest, std::string> ParseFrameArguments(int argc, const char* const* argv) {
    FrameRequest request;
    std::set<std::string_view> seen;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option != "--grey" && !TakesValue(option)) {
            return "unknown argument " + Quoted(option);
        }
        if (!seen.insert(option).second) {
            return std::string(option) + " given twice";
        }
        if (option == "--grey") {
            request.grey = true;
            continue;
        }
        if (i + 1 == argc) {
            return std::string(option) + " needs a value";
        }
        const std::string_view value = argv[++i];
        // No value of ours begins so: this is an option where the value was forgotten.
        if (value.starts_with("--")) {
            return std::string(option) + " needs a value, not " + Quoted(value);
        }
        if (option == "--seed") {
            const std::optional<uint32_t> seed = ParseCount(value);
            if (!seed || *seed == 0) {
                return "--seed must be a non-zero 32-bit value";
            }
            request.seed = *seed;
        } else if (option == "--time-ms") {
            const std::optional<uint32_t> time = ParseCount(value);
            if (!time) {
                return "--time-ms must be a 32-bit millisecond count";
            }
            request.timeMs = *time;
        } else if (option == "--out") {
            if (value.empty()) {
                return "--out needs a file name";
            }
            request.out = value;
        } else if (value == "png" || value == "bgra") {
            request.format = value == "png" ? FrameFormat::Png : FrameFormat::Bgra;
        } else {
            return "--format must be png or bgra";
        }
    }
    if (!seen.contains("--time-ms") || !seen.contains("--out")) {
        return "usage: quorrel-frame --seed S --time-ms T --out FILE [--grey] [--format png|bgra]";
    }
    if (!request.grey && !seen.contains("--seed")) {
        return "--seed is required unless --grey is given";
    }
    return request;
}
