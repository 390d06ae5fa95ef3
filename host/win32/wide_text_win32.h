#pragma once
// Texts are UTF-8 inside the host; the wide ("W") entry points of Windows take and give UTF-16, which
// holds every character whatever the system's code page. Other code pages convert through it too.
#include <windows.h>

#include <string>

std::wstring ToWide(const std::string& text, UINT codePage = CP_UTF8);
std::string FromWide(const std::wstring& wide, UINT codePage = CP_UTF8);
