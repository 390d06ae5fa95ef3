#include "host_text.h"

namespace Vantor_B {

size_t CharacterOffset(const std::string& text, size_t index) {
    size_t at = 0;
    for (size_t seen = 0; at < text.size() && seen < index; ++seen) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) {
            ++at;
        }
    }
    return at;
}

std::string LeftCharacters(const std::string& text, size_t count) {
    return text.substr(0, CharacterOffset(text, count));
}

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

}  // namespace Vantor_B
