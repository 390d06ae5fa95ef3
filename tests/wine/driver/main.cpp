// Runs the commands given on the command line, one after the other, and stops at the first failure.
#include <windows.h>
// CommandLineToArgvW needs the types of windows.h.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "driver.h"

namespace driver {
namespace {

std::map<std::string, Command>& Commands() {
    static std::map<std::string, Command> commands;
    return commands;
}

// "{pid}", "{parent}" and "{hwnd}" stand for what earlier commands of this run found.
std::string Substitute(std::string text, const Context& context) {
    const std::pair<const char*, unsigned long long> values[] = {
        {"{pid}", context.processId},
        {"{parent}", reinterpret_cast<unsigned long long>(context.parent)},
        {"{hwnd}", reinterpret_cast<unsigned long long>(context.lastWindow)},
    };
    for (const auto& [name, value] : values) {
        for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at)) {
            const std::string number = std::to_string(value);
            text.replace(at, std::string(name).size(), number);
            at += number.size();
        }
    }
    return text;
}

void PrintUsage() {
    std::printf("usage: quorrel-driver COMMAND [ARG...] [-- COMMAND [ARG...]]...\ncommands:\n");
    for (const auto& [name, command] : Commands()) {
        std::printf("  %s %s\n", name.c_str(), command.usage);
    }
}

bool RunCommand(const Args& words, Context& context) {
    const auto found = Commands().find(words[0]);
    if (found == Commands().end()) {
        return Fail("unknown command " + words[0]);
    }
    const Command& command = found->second;
    Args args;
    for (size_t i = 1; i < words.size(); ++i) {
        args.push_back(Substitute(words[i], context));
    }
    if (args.size() < command.minArgs || args.size() > command.maxArgs) {
        return Fail(std::string("usage: ") + command.name + " " + command.usage);
    }
    return command.run(args, context);
}

}  // namespace

Registration::Registration(Command command) {
    const std::string name = command.name;
    Commands().emplace(name, std::move(command));
}

}  // namespace driver

int main() {
    _setmode(_fileno(stdout), _O_BINARY);  // plain "\n" line ends for the shell
    int argc = 0;
    LPWSTR* wideArgs = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (wideArgs == nullptr) {
        driver::Fail("cannot read the command line");
        return 1;
    }
    std::vector<std::string> argv;
    for (int i = 0; i < argc; ++i) {
        argv.push_back(FromWide(wideArgs[i]));
    }
    LocalFree(wideArgs);
    if (argc < 2) {
        driver::PrintUsage();
        return 2;
    }
    driver::Context context;
    driver::Args words;
    for (int i = 1; i <= argc; ++i) {
        if (i < argc && argv[static_cast<size_t>(i)] != "--") {
            words.push_back(argv[static_cast<size_t>(i)]);
            continue;
        }
        if (!words.empty() && !driver::RunCommand(words, context)) {
            return 1;
        }
        words.clear();
    }
    return 0;
}
