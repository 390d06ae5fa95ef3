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

namespace {

// Letters compare without case (a-z only: UTF-8 has no such byte inside a longer character).
bool StartsWithOwnPath(const std::string& commandLine, const std::string& path) {
    if (commandLine.size() < path.size()) {
        return false;
    }
    if (commandLine.size() > path.size() && commandLine[path.size()] != ' ' &&
        commandLine[path.size()] != '\t') {
        return false;
    }
    return UpperAscii(commandLine.substr(0, path.size())) == UpperAscii(path);
}

size_t ProgramNameEnd(const std::string& commandLine, const std::vector<std::string>& ownPaths) {
    if (!commandLine.empty() && commandLine[0] == '"') {
        const size_t closing = commandLine.find('"', 1);
        return closing == std::string::npos ? commandLine.size() : closing + 1;
    }
    size_t end = std::min(commandLine.find_first_of(" \t"), commandLine.size());
    for (const std::string& path : ownPaths) {
        if (path.size() > end && StartsWithOwnPath(commandLine, path)) {
            end = path.size();
        }
    }
    return end;
}

}  // namespace

std::string ArgumentsAfterProgramName(const std::string& commandLine,
                                      const std::vector<std::string>& ownPaths) {
    size_t at = ProgramNameEnd(commandLine, ownPaths);
    at = commandLine.find_first_not_of(" \t", at);
    return at == std::string::npos ? std::string() : commandLine.substr(at);
}

}  // namespace Vantor_B
