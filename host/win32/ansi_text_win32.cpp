#include "ansi_text_win32.h"

#include "wide_text_win32.h"

// Through UTF-16, the only form both code pages convert to and from.
std::string ToAnsi(const std::string& utf8) {
    return FromWide(ToWide(utf8), CP_ACP);
}

std::string FromAnsi(const std::string& ansi) {
    return FromWide(ToWide(ansi, CP_ACP));
}
