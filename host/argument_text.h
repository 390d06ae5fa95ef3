#pragma once
// What the host reads from its argument text (the command line without the program's own name).
#include <cstdint>
#include <string>

namespace Vantor_B {

// The second character of the upper-cased argument text; empty when there is none.
std::string ModeLetter(const std::string& argumentText);

// The preview parent handle: the number read from the fourth character on, rounded to 32 bits;
// 0 when no number can be read or it does not fit.
int32_t PreviewParentHandle(const std::string& argumentText);

// The arguments of a full command line: the program name (quoted or up to the first blank) and the
// blanks after it removed.
std::string ArgumentsAfterProgramName(const std::string& commandLine);

}  // namespace Vantor_B
