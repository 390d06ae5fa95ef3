#pragma once
// Texts are UTF-8 inside the host; the "W" entry points of Windows take and give UTF-16.
#include <windows.h>

#include <string>

// Empty where the text does not convert.
std::wstring WideFrom(const std::string& text, UINT codePage);
std::string TextFrom(const std::wstring& wide, UINT codePage);

inline std::wstring ToWide(const std::string& utf8) {
    return WideFrom(utf8, CP_UTF8);
}
inline std::string FromWide(const std::wstring& wide) {
    return TextFrom(wide, CP_UTF8);
}
