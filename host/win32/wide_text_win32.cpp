#include "wide_text_win32.h"

std::wstring ToWide(const std::string& text, UINT codePage) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    if (MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), wideLength) != wideLength) {
        return {};
    }
    return wide;
}

std::string FromWide(const std::wstring& wide, UINT codePage) {
    if (wide.empty()) {
        return {};
    }
    const int length = static_cast<int>(wide.size());
    const int outLength = WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (outLength <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(outLength), '\0');
    if (WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), outLength, nullptr, nullptr) !=
        outLength) {
        return {};
    }
    return text;
}
