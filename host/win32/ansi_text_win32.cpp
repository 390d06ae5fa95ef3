#include "ansi_text_win32.h"

#include <windows.h>

namespace {

// Goes through UTF-16, the only form both code pages convert to and from.
std::string Recode(const std::string& text, UINT from, UINT to) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(from, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    if (MultiByteToWideChar(from, 0, text.data(), length, wide.data(), wideLength) != wideLength) {
        return {};
    }
    const int outLength = WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (outLength <= 0) {
        return {};
    }
    std::string out(static_cast<size_t>(outLength), '\0');
    if (WideCharToMultiByte(to, 0, wide.data(), wideLength, out.data(), outLength, nullptr, nullptr) !=
        outLength) {
        return {};
    }
    return out;
}

}  // namespace

std::string ToAnsi(const std::string& utf8) {
    return Recode(utf8, CP_UTF8, CP_ACP);
}

std::string FromAnsi(const std::string& ansi) {
    return Recode(ansi, CP_ACP, CP_UTF8);
}
