#pragma once
// The frame tool's command line:
//   quorrel-frame --seed S --time-ms T --out FILE [--grey] [--format png|bgra]
#include <cstdint>
#include <string>
#include <variant>

enum class FrameFormat { Png, Bgra };

struct FrameRequest {
    // Not used with --grey: the noise tables then stay empty.
    uint32_t seed = 0;
    uint32_t timeMs = 0;
    std::string out;
    bool grey = false;
    FrameFormat format = FrameFormat::Png;
};

// A request, or the one-line reason the arguments are refused.
std::variant<FrameRequest, std::string> ParseFrameArguments(int argc, const char* const* argv);
