// The host's argument text: the switch letter and the preview parent handle of /p and /c.
#include <cstdio>
#include <string>

#include "argument_text.h"
#include "fuzz_input.h"
#include "host_text.h"

namespace {

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace Vantor_B;
    using fuzz::Require;
    using fuzz::Word;
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::string letter = ModeLetter(text);
    Require(letter.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos,
            "the mode letter is upper-cased", text);
    if (CharacterOffset(text, 1) < text.size()) {
        // What follows the second character never changes the switch (an ASCII byte never continues one).
        Require(ModeLetter(text + " /x") == letter, "the mode letter ignores what follows", text);
    }

    // Blanks, tabs and line feeds count for nothing anywhere in the handle's text.
    const int32_t handle = PreviewParentHandle(text);
    const size_t start = CharacterOffset(text, 3);
    if (start < text.size()) {
        const size_t at = CharacterOffset(text, 3 + Word(text) % 8);
        for (const char* blank : {" ", "\t", "\n"}) {
            Require(PreviewParentHandle(std::string(text).insert(at, blank)) == handle,
                    "a blank in the handle changes nothing", text);
        }
    }

    // A handle prints back to itself, in every form a caller writes it.
    const int32_t given = static_cast<int32_t>(Word(text));
    for (const int32_t value : {handle, given}) {
        const std::string decimal = std::to_string(value);
        for (const std::string& form :
             {"/p " + decimal, "/P:" + decimal, "/c:" + decimal, "-p  " + decimal}) {
            Require(PreviewParentHandle(form) == value, "a handle prints back to itself", text);
        }
        // Four hexadecimal digits are a 16-bit number; a value there reads back only in its own range.
        const uint32_t bits = static_cast<uint32_t>(value);
        if (bits < 0x8000 || bits > 0xFFFF) {
            Require(PreviewParentHandle("/p &H" + Hex(bits)) == value, "a hexadecimal handle reads back",
                    text);
        }
    }
    Require(ModeLetter("/p " + std::to_string(given)) == "P", "/p is the preview switch", text);
    return 0;
}
