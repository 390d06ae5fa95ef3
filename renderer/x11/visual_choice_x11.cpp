#include "visual_choice_x11.h"

#include <X11/Xutil.h>

#include <cctype>
#include <optional>
#include <string_view>

#include "count_text.h"
#include "quoted_text.h"

namespace {

struct VisualClassName {
    std::string_view name;
    int visualClass;
};

constexpr VisualClassName kVisualClasses[] = {
    {"staticgray", StaticGray},   {"grayscale", GrayScale}, {"staticcolor", StaticColor},
    {"pseudocolor", PseudoColor}, {"truecolor", TrueColor}, {"directcolor", DirectColor},
};

std::string Lowered(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// Among the screen's visuals that match, the deepest; the default visual where it is one of them.
std::optional<XVisualInfo> Deepest(Display* display, long mask, XVisualInfo wanted) {
    int count = 0;
    XVisualInfo* found = XGetVisualInfo(display, mask | VisualScreenMask, &wanted, &count);
    std::optional<XVisualInfo> best;
    const Visual* defaultVisual = DefaultVisual(display, wanted.screen);
    for (int i = 0; i < count; ++i) {
        if (!best || found[i].depth > best->depth ||
            (found[i].depth == best->depth && found[i].visual == defaultVisual)) {
            best = found[i];
        }
    }
    XFree(found);
    return best;
}

}  // namespace

ChosenVisual ChooseVisual(Display* display, int screen, const std::string& name) {
    const ChosenVisual standard{DefaultVisual(display, screen), DefaultDepth(display, screen), {}};
    const std::string lowered = Lowered(name);
    if (lowered.empty() || lowered == "default") {
        return standard;
    }
    XVisualInfo wanted{};
    wanted.screen = screen;
    long mask = VisualClassMask;
    wanted.c_class = TrueColor;
    std::string missing = "no TrueColor visual";
    if (lowered != "best") {
        const VisualClassName* named = nullptr;
        for (const VisualClassName& row : kVisualClasses) {
            named = row.name == lowered ? &row : named;
        }
        const std::optional<uint32_t> id = ParseCount(name);
        if (named != nullptr) {
            wanted.c_class = named->visualClass;
            missing = "no " + name + " visual";
        } else if (id) {
            mask = VisualIDMask;
            wanted.visualid = *id;
            missing = "no visual with id " + name;
        } else {
            return {standard.visual, standard.depth,
                    "unrecognized visual " + Quoted(name) + "; the default instead"};
        }
    }
    const std::optional<XVisualInfo> best = Deepest(display, mask, wanted);
    if (!best || best->c_class != TrueColor) {
        return {standard.visual, standard.depth,
                missing + " to draw on (quorrel draws on TrueColor only); the default instead"};
    }
    return {best->visual, best->depth, {}};
}
