#include "font_win32.h"

#include <cmath>
#include <cwchar>

#include "wide_text_win32.h"

namespace Vantor {

HFONT CreateFontFrom(const FontDesc& font) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    LOGFONTW description{};
    // Negative: the character height without the internal leading, as point sizes mean it.
    description.lfHeight = -static_cast<LONG>(std::nearbyint(font.points * dotsPerInch / 72));
    description.lfWeight = font.weight;
    description.lfItalic = font.italic;
    description.lfUnderline = font.underline;
    description.lfStrikeOut = font.strikethrough;
    description.lfCharSet = font.charset;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // The face by its own name, whatever the system's code page: with the character set, the system finds
    // that font (or one linked to it) on any system.
    const std::wstring name = ToWide(font.name);
    std::wcsncpy(description.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&description);
}

}  // namespace Vantor
