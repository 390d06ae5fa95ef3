#pragma once
// Counts given as text on a command line or in the environment.
#include <cstdint>
#include <optional>
#include <string_view>

// Decimal, or hexadecimal after 0x; the whole text must be a number that fits 32 bits.
std::optional<uint32_t> ParseCount(std::string_view text);
