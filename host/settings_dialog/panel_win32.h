#pragma once
// What the panel `Pic_C` (0) draws over its painted background: the section frame, the labels (no
// background of their own), the radio marks and the bordered file label; and which kind lies under a point.
#include <windows.h>

#include <array>
#include <string>

#include "dialog_layout.h"
#include "vantor_b.h"
#include "vantor_p_form.h"

namespace Vantor_P {

struct PanelContent {
    std::array<Mark, Vantor_B::kBgmKindCount> marks{};  // by kind
    std::string fileCaption;
    HFONT font = nullptr;
    std::array<HBITMAP, 2> markPictures{};  // Img_Ra (0) and (1)
};

RECT PixelRect(const TwipRect& rect);
void PaintPanelContent(HDC dc, const PanelContent& content);
// The index of the mark or kind caption under the point (panel pixels), or -1.
int KindAt(POINT pixel);
// The pixel rectangle of Img_BGM (index).
RECT MarkRect(int index);

}  // namespace Vantor_P
