#pragma once
// Small text helpers for the host's UTF-8 texts.
#include <string>

namespace Vantor_B {

// Byte offset of the character with the given zero-based index (the text's size when it is shorter).
size_t CharacterOffset(const std::string& text, size_t index);
// The first count characters.
std::string LeftCharacters(const std::string& text, size_t count);
// Letters a-z upper-cased; every other byte stays.
std::string UpperAscii(std::string text);

}  // namespace Vantor_B
