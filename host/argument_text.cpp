#include "argument_text.h"

#include <algorithm>

#include "host_text.h"
#include "numeric_text.h"

namespace Vantor_B {

std::string ModeLetter(const std::string& argumentText) {
    const size_t start = CharacterOffset(argumentText, 1);
    return UpperAscii(argumentText.substr(start, CharacterOffset(argumentText, 2) - start));
}

int32_t PreviewParentHandle(const std::string& argumentText) {
    return RoundToInt32(NumericPrefix(argumentText.substr(CharacterOffset(argumentText, 3)))).value_or(0);
}

std::string ArgumentsAfterProgramName(const std::string& commandLine) {
    size_t at = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const size_t closing = commandLine.find('"', 1);
        at = closing == std::string::npos ? commandLine.size() : closing + 1;
    } else {
        at = std::min(commandLine.find_first_of(" \t"), commandLine.size());
    }
    at = commandLine.find_first_not_of(" \t", at);
    return at == std::string::npos ? std::string() : commandLine.substr(at);
}

}  // namespace Vantor_B
