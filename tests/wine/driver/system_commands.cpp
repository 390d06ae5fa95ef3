// System-wide facts: code page, screen metrics, the screen-saver flag, fonts; and a plain wait.
#include <vector>

#include "driver.h"

namespace driver {
namespace {

bool CodePage(const Args&, Context&) {
    PrintLine("acp code-page=" + std::to_string(GetACP()));
    return true;
}

bool Metrics(const Args&, Context&) {
    PrintLine("metrics cxscreen=" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) +
              " cyscreen=" + std::to_string(GetSystemMetrics(SM_CYSCREEN)) +
              " cxmaximized=" + std::to_string(GetSystemMetrics(SM_CXMAXIMIZED)) +
              " cymaximized=" + std::to_string(GetSystemMetrics(SM_CYMAXIMIZED)) +
              " cycaption=" + std::to_string(GetSystemMetrics(SM_CYCAPTION)));
    return true;
}

bool ReadScreenSaver(bool& active) {
    BOOL flag = FALSE;
    if (!SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &flag, 0)) {
        return Fail("cannot read the screen-saver flag");
    }
    active = flag != FALSE;
    return true;
}

bool ScreenSaver(const Args&, Context&) {
    bool active = false;
    if (!ReadScreenSaver(active)) {
        return false;
    }
    PrintLine(std::string("screensaver active=") + (active ? "1" : "0"));
    return true;
}

bool WaitScreenSaver(const Args& args, Context&) {
    long long wanted = 0;
    long long timeout = 0;
    if (!ParseArg(args[0], wanted) || !ParseArg(args[1], timeout)) {
        return false;
    }
    bool active = false;
    bool readable = true;
    const bool reached = WaitPumping(static_cast<DWORD>(timeout), [&] {
        readable = ReadScreenSaver(active);
        return !readable || active == (wanted != 0);
    });
    if (!readable) {
        return false;
    }
    if (!reached) {
        return Fail("screen-saver flag not " + args[0] + " within " + args[1] + " ms");
    }
    PrintLine(std::string("screensaver active=") + (active ? "1" : "0"));
    return true;
}

bool SetScreenSaver(const Args& args, Context&) {
    long long active = 0;
    if (!ParseArg(args[0], active)) {
        return false;
    }
    if (!SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active != 0, nullptr, 0)) {
        return Fail("cannot set the screen-saver flag");
    }
    // Wine hands the change to the X server lazily and loses it when the program ends first: reading
    // the flag back delivers it.
    bool now = false;
    if (!ReadScreenSaver(now)) {
        return false;
    }
    if (now != (active != 0)) {
        return Fail("the screen-saver flag stayed " + std::string(now ? "1" : "0"));
    }
    PrintLine(std::string("screensaver active=") + (now ? "1" : "0"));
    return true;
}

// Which installed font a face name really gives, after the system's substitutions.
bool Font(const Args& args, Context&) {
    HFONT font =
        CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, ToWide(args[0]).c_str());
    HDC screen = GetDC(nullptr);
    if (font == nullptr || screen == nullptr) {
        return Fail("cannot create font " + args[0]);
    }
    HGDIOBJ previous = SelectObject(screen, font);
    wchar_t face[LF_FACESIZE] = L"";
    GetTextFaceW(screen, LF_FACESIZE, face);
    std::string family;
    const UINT size = GetOutlineTextMetricsA(screen, 0, nullptr);
    if (size > 0) {
        std::vector<char> buffer(size);
        auto* metrics = reinterpret_cast<OUTLINETEXTMETRICA*>(buffer.data());
        if (GetOutlineTextMetricsA(screen, size, metrics) != 0) {
            family = buffer.data() + reinterpret_cast<uintptr_t>(metrics->otmpFamilyName);
        }
    }
    TEXTMETRICA metrics = {};
    GetTextMetricsA(screen, &metrics);
    // The font file behind the name: its size and the checksum stored in its 'head' table.
    const DWORD fileSize = GetFontData(screen, 0, 0, nullptr, 0);
    unsigned char checksum[4] = {};
    GetFontData(screen, 0x64616568 /* 'head' */, 8, checksum, sizeof checksum);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    const unsigned long headChecksum = (static_cast<unsigned long>(checksum[0]) << 24) | (checksum[1] << 16) |
                                       (checksum[2] << 8) | checksum[3];
    PrintLine("font family=" + FromAnsi(family) + " charset=" + std::to_string(metrics.tmCharSet) +
              " file=" + std::to_string(fileSize) + ":" + Hex(headChecksum) + " face=" + FromWide(face));
    return true;
}

// The outer size of a window whose client area is WIDTH x HEIGHT, for the given style.
bool AdjustRect(const Args& args, Context&) {
    long long values[3] = {0, 0, 0};
    for (size_t i = 0; i < 3; ++i) {
        if (!ParseArg(args[i], values[i])) {
            return false;
        }
    }
    RECT rect = {0, 0, static_cast<LONG>(values[0]), static_cast<LONG>(values[1])};
    if (!AdjustWindowRect(&rect, static_cast<DWORD>(values[2]), FALSE)) {
        return Fail("AdjustWindowRect failed");
    }
    PrintLine("adjusted size=" + std::to_string(rect.right - rect.left) + "x" +
              std::to_string(rect.bottom - rect.top));
    return true;
}

bool Sleep(const Args& args, Context&) {
    long long duration = 0;
    if (!ParseArg(args[0], duration)) {
        return false;
    }
    WaitPumping(static_cast<DWORD>(duration), [] { return false; });
    PrintLine("slept " + args[0]);
    return true;
}

// Wine closes its desktop a moment after the last program on it has gone, and opening it again can
// take seconds; the bench keeps one of these running so every test starts on an open desktop.
bool KeepDesktop(const Args&, Context&) {
    if (GetDesktopWindow() == nullptr) {
        return Fail("no desktop");
    }
    PrintLine("keeping the desktop");
    WaitPumping(INFINITE, [] { return false; });
    return true;
}

const Registration kKeepDesktop({"keep-desktop", "   (runs until killed)", 0, 0, KeepDesktop});
const Registration kCodePage({"acp", "   (prints: acp code-page=N)", 0, 0, CodePage});
const Registration kMetrics({"metrics", "   (screen and maximised sizes, caption height)", 0, 0, Metrics});
const Registration kScreenSaver({"screensaver", "   (prints: screensaver active=0|1)", 0, 0, ScreenSaver});
const Registration kWaitScreenSaver({"wait-screensaver", "0|1 MS   (prints: screensaver active=0|1)", 2, 2,
                                     WaitScreenSaver});
const Registration kSetScreenSaver({"set-screensaver", "0|1   (not written to the profile)", 1, 1,
                                    SetScreenSaver});
const Registration kFont({"font", "FACE   (prints: font family=... charset=N file=SIZE:CHECKSUM face=...)", 1,
                          1, Font});
const Registration kAdjustRect({"adjust-rect", "WIDTH HEIGHT STYLE   (prints: adjusted size=WxH)", 3, 3,
                                AdjustRect});
const Registration kSleep({"sleep", "MS   (our own windows keep answering)", 1, 1, Sleep});

}  // namespace
}  // namespace driver
