#pragma once
// A GDI font made from a control font; the caller deletes it.
#include <windows.h>

#include "font_desc.h"

namespace Vantor {

HFONT CreateFontFrom(const FontDesc& font);

}  // namespace Vantor
