#include "panel_win32.h"

#include "twips_win32.h"
#include "wide_text_win32.h"

namespace Vantor_P {
namespace {

constexpr const char* MarkNames[Vantor_B::kBgmKindCount] = {"Img_BGM(0)", "Img_BGM(1)", "Img_BGM(2)"};
constexpr const char* KindCaptionNames[Vantor_B::kBgmKindCount] = {"lbl_BGM(0)", "lbl_BGM(1)", "lbl_BGM(2)"};

RECT PlaceRect(std::string_view name) {
    return PixelRect(Place(name).rect);
}

// One line each; a face wider than the one the layout was made for may run past the label's right edge.
void DrawLabel(HDC dc, std::string_view name, UINT alignment) {
    const ControlPlace& place = Place(name);
    RECT rect = PixelRect(place.rect);
    const std::wstring text = ToWide(std::string(place.caption));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              alignment | DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
}

}  // namespace

RECT PixelRect(const TwipRect& rect) {
    const double tx = Vantor_B::TwipsPerPixelX();
    const double ty = Vantor_B::TwipsPerPixelY();
    const LONG left = Vantor_B::PixelsFromTwips(rect.left, tx);
    const LONG top = Vantor_B::PixelsFromTwips(rect.top, ty);
    return {left, top, left + Vantor_B::PixelsFromTwips(rect.width, tx),
            top + Vantor_B::PixelsFromTwips(rect.height, ty)};
}

RECT MarkRect(int index) {
    return PlaceRect(MarkNames[index]);
}

void PaintPanelContent(HDC dc, const PanelContent& content) {
    const HGDIOBJ previousFont = SelectObject(dc, content.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));

    // The section title's frame: an outline only.
    const RECT frame = PlaceRect("Shape3(3)");
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DrawLabel(dc, "lbl(15)", DT_CENTER);
    for (const char* name : KindCaptionNames) {
        DrawLabel(dc, name, DT_LEFT);
    }
    DrawLabel(dc, "lbl(14)", DT_LEFT);

    // Marks show their 12 x 12 picture at their top-left corner, unscaled.
    HDC pictures = CreateCompatibleDC(dc);
    if (pictures != nullptr) {
        for (int index = 0; index < Vantor_B::kBgmKindCount; ++index) {
            const HGDIOBJ previous = SelectObject(
                pictures,
                content.markPictures[static_cast<size_t>(content.marks[static_cast<size_t>(index)])]);
            const RECT mark = MarkRect(index);
            BitBlt(dc, mark.left, mark.top, 12, 12, pictures, 0, 0, SRCCOPY);
            SelectObject(pictures, previous);
        }
        DeleteDC(pictures);
    }

    // The file label: single-line border, the path wrapped inside it.
    RECT file = PlaceRect("lbl_Fname");
    FrameRect(dc, &file, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&file, -2, -1);
    const std::wstring path = ToWide(content.fileCaption);
    DrawTextW(dc, path.c_str(), static_cast<int>(path.size()), &file,
              DT_LEFT | DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL);
    SelectObject(dc, previousFont);
}

int KindAt(POINT pixel) {
    for (int index = 0; index < Vantor_B::kBgmKindCount; ++index) {
        const RECT mark = MarkRect(index);
        const RECT caption = PlaceRect(KindCaptionNames[index]);
        if (PtInRect(&mark, pixel) || PtInRect(&caption, pixel)) {
            return index;
        }
    }
    return -1;
}

}  // namespace Vantor_P
