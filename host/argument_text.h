#pragma once
// What the host reads from its argument text (the command line without the program's own name).
#include <cstdint>
#include <string>
#include <vector>

namespace Vantor_B {

// The second character of the upper-cased argument text; empty when there is none.
std::string ModeLetter(const std::string& argumentText);

// The preview parent handle: the number read from the fourth character on, rounded to 32 bits;
// 0 when no number can be read or it does not fit.
int32_t PreviewParentHandle(const std::string& argumentText);

// The arguments of a full command line: the program name and the blanks after it removed. The name is
// quoted, or one of the program's own paths (long or short form, any case) followed by a blank, since
// Windows starts a screen saver with its setting's path unquoted; else it runs up to the first blank.
std::string ArgumentsAfterProgramName(const std::string& commandLine,
                                      const std::vector<std::string>& ownPaths);

}  // namespace Vantor_B
