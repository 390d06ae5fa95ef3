#pragma once
// Texts are UTF-8 inside the host; the "A" entry points of Windows take and give the system code page.
#include <string>

std::string ToAnsi(const std::string& utf8);
std::string FromAnsi(const std::string& ansi);
