// Text output and number parsing shared by every command.
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "driver.h"

namespace driver {
namespace {

struct NamedNumber {
    const char* name;
    long long value;
};

// Names the tests use instead of bare numbers.
constexpr NamedNumber kNamedNumbers[] = {
    {"WM_NULL", WM_NULL},
    {"WM_PAINT", WM_PAINT},
    {"WM_CLOSE", WM_CLOSE},
    {"WM_KEYDOWN", WM_KEYDOWN},
    {"WM_KEYUP", WM_KEYUP},
    {"WM_CHAR", WM_CHAR},
    {"WM_SYSKEYDOWN", WM_SYSKEYDOWN},
    {"WM_COMMAND", WM_COMMAND},
    {"WM_SYSCOMMAND", WM_SYSCOMMAND},
    {"WM_TIMER", WM_TIMER},
    {"WM_MOUSEMOVE", WM_MOUSEMOVE},
    {"WM_LBUTTONDOWN", WM_LBUTTONDOWN},
    {"WM_LBUTTONUP", WM_LBUTTONUP},
    {"WM_RBUTTONDOWN", WM_RBUTTONDOWN},
    {"WM_RBUTTONUP", WM_RBUTTONUP},
    {"WM_MBUTTONDOWN", WM_MBUTTONDOWN},
    {"WM_MBUTTONUP", WM_MBUTTONUP},
    {"WM_MOUSEWHEEL", WM_MOUSEWHEEL},
    {"SC_CLOSE", SC_CLOSE},
    {"SC_MINIMIZE", SC_MINIMIZE},
    {"SC_MAXIMIZE", SC_MAXIMIZE},
    {"SC_RESTORE", SC_RESTORE},
    {"SC_SCREENSAVE", SC_SCREENSAVE},
    {"VK_ESCAPE", VK_ESCAPE},
    {"VK_RETURN", VK_RETURN},
    {"VK_SPACE", VK_SPACE},
    {"VK_TAB", VK_TAB},
    {"VK_BACK", VK_BACK},
    {"VK_SHIFT", VK_SHIFT},
    {"VK_CONTROL", VK_CONTROL},
    {"VK_MENU", VK_MENU},
    {"VK_LEFT", VK_LEFT},
    {"VK_UP", VK_UP},
    {"VK_RIGHT", VK_RIGHT},
    {"VK_DOWN", VK_DOWN},
    {"VK_F1", VK_F1},
    {"VK_F4", VK_F4},
    {"BM_CLICK", BM_CLICK},
    {"IDOK", IDOK},
    {"IDCANCEL", IDCANCEL},
};

}  // namespace

void PrintLine(const std::string& utf8Line) {
    std::fwrite(utf8Line.data(), 1, utf8Line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

bool Fail(const std::string& utf8Reason) {
    PrintLine("error " + utf8Reason);
    return false;
}

bool ParseNumber(const std::string& text, long long& value) {
    for (const NamedNumber& named : kNamedNumbers) {
        if (text == named.name) {
            value = named.value;
            return true;
        }
    }
    if (text.size() == 1 && std::isalnum(static_cast<unsigned char>(text[0])) && !std::isdigit(text[0])) {
        value = std::toupper(static_cast<unsigned char>(text[0]));  // a letter key: its virtual-key code
        return true;
    }
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 0);
    return *end == '\0';
}

bool ParseArg(const std::string& text, long long& value) {
    return ParseNumber(text, value) || Fail("not a number: " + text);
}

std::string Hex(unsigned long long value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", value);
    return text;
}

}  // namespace driver
