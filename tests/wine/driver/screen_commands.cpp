// Colours on the screen, read where the X server shows them: waiting until pixels show a colour, or
// watching that they keep it.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "driver.h"

namespace driver {
namespace {

// "X,Y=R,G,B" (each channel within ~T when given, e.g. "10,4=245,245,248~2") or "X,Y!=R,G,B".
struct PixelCondition {
    int x = 0;
    int y = 0;
    bool equal = true;
    int rgb[3] = {0, 0, 0};
    int tolerance = 0;
};

bool ParsePixelCondition(const std::string& text, PixelCondition& condition) {
    char op[3] = "";
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%d,%d%2[!=]%d,%d,%d%n", &condition.x, &condition.y, op, &condition.rgb[0],
                    &condition.rgb[1], &condition.rgb[2], &consumed) != 6) {
        return Fail("not a pixel X,Y=R,G,B[~T] or X,Y!=R,G,B: " + text);
    }
    condition.equal = std::string(op) == "=";
    if (!condition.equal && std::string(op) != "!=") {
        return Fail("not = or != in " + text);
    }
    const std::string rest = text.substr(static_cast<size_t>(consumed));
    if (rest.empty()) {
        return true;
    }
    long long tolerance = 0;
    if (!condition.equal || rest[0] != '~' || !ParseNumber(rest.substr(1), tolerance)) {
        return Fail("not a tolerance ~T: " + text);
    }
    condition.tolerance = static_cast<int>(tolerance);
    return true;
}

bool ParsePixelConditions(const Args& args, size_t first, std::vector<PixelCondition>& conditions) {
    for (size_t i = first; i < args.size(); ++i) {
        PixelCondition condition;
        if (!ParsePixelCondition(args[i], condition)) {
            return false;
        }
        conditions.push_back(condition);
    }
    return true;
}

std::string Rgb(COLORREF colour) {
    return std::to_string(GetRValue(colour)) + "," + std::to_string(GetGValue(colour)) + "," +
           std::to_string(GetBValue(colour));
}

// Reads every pixel; true when all match their conditions. `seen` lists what was read ("x,y=r,g,b ...").
bool Matches(HDC screen, const std::vector<PixelCondition>& conditions, std::string& seen) {
    bool all = true;
    seen.clear();
    for (const PixelCondition& condition : conditions) {
        const COLORREF colour = GetPixel(screen, condition.x, condition.y);
        const int got[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
        bool within = colour != CLR_INVALID;
        for (int channel = 0; channel < 3; ++channel) {
            within = within && std::abs(got[channel] - condition.rgb[channel]) <= condition.tolerance;
        }
        all = all && within == condition.equal;
        if (!seen.empty()) {
            seen += ' ';
        }
        seen += std::to_string(condition.x) + "," + std::to_string(condition.y) + "=";
        seen += colour == CLR_INVALID ? "none" : Rgb(colour);
    }
    return all;
}

// MS CONDITION...: `keep` false waits until every pixel matches; true checks that they match all along.
bool WatchPixels(const Args& args, bool keep) {
    long long duration = 0;
    std::vector<PixelCondition> conditions;
    if (!ParseArg(args[0], duration) || !ParsePixelConditions(args, 1, conditions)) {
        return false;
    }
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return Fail("no screen to read");
    }
    std::string seen;
    bool matching = true;
    const bool ended = WaitPumping(static_cast<DWORD>(duration), [&] {
        matching = Matches(screen, conditions, seen);
        return matching == !keep;
    });
    ReleaseDC(nullptr, screen);
    if (keep ? ended : !ended) {
        return Fail(std::string(keep ? "pixels changed within " : "pixels not as asked after ") + args[0] +
                    " ms: " + seen);
    }
    PrintLine("pixels " + seen);
    return true;
}

bool WaitPixels(const Args& args, Context&) {
    return WatchPixels(args, false);
}

bool KeepPixels(const Args& args, Context&) {
    return WatchPixels(args, true);
}

const Registration kWaitPixels({"wait-pixels",
                                "MS X,Y=R,G,B[~T]|X,Y!=R,G,B...   (prints: pixels X,Y=R,G,B ...)", 2, 64,
                                WaitPixels});
const Registration kKeepPixels({"keep-pixels",
                                "MS X,Y=R,G,B[~T]|X,Y!=R,G,B...   (fails if one differs within MS)", 2, 64,
                                KeepPixels});

}  // namespace
}  // namespace driver
