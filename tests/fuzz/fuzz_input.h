#pragma once
// What every fuzz target needs: a broken property ends the run loudly (so the fuzzer keeps the input and
// the corpus replay fails), and the input cut into the pieces a reader takes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

inline void Require(bool holds, const char* property, std::string_view input) {
    if (holds) {
        return;
    }
    std::fprintf(stderr, "property broken: %s\ninput (%zu bytes):", property, input.size());
    for (unsigned char c : input) {
        std::fprintf(stderr, " %02x", c);
    }
    std::fprintf(stderr, "\n");
    std::abort();
}

// A refusal the user reads: some text, on one line, with no control characters to garble a terminal.
inline bool OneLine(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

// The input split at NUL bytes, as a command line's arguments arrive.
inline std::vector<std::string> Pieces(std::string_view input, size_t most) {
    std::vector<std::string> pieces;
    while (pieces.size() < most) {
        const size_t end = input.find('\0');
        pieces.emplace_back(input.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        input.remove_prefix(end + 1);
    }
    return pieces;
}

// argv for a parser: the program's name, then the arguments; the pointers live as long as the strings.
inline std::vector<const char*> Argv(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv{"program"};
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    argv.push_back(nullptr);
    return argv;
}

// The first bytes of the input as a number (missing bytes are 0).
inline uint32_t Word(std::string_view input) {
    uint32_t word = 0;
    for (size_t i = 0; i < 4 && i < input.size(); ++i) {
        word |= static_cast<uint32_t>(static_cast<unsigned char>(input[i])) << (8 * i);
    }
    return word;
}

}  // namespace fuzz
