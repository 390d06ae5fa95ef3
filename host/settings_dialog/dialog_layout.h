#pragma once
// Where everything of the settings dialog sits, in twips relative to its container's inner area.
#include <array>
#include <cstdint>
#include <string_view>

namespace Vantor_P {

inline constexpr int32_t ClientWidth = 7185;
inline constexpr int32_t ClientHeight = 3780;

enum class Container { Window, Panel };

struct TwipRect {
    int32_t left, top, width, height;
};

struct ControlPlace {
    std::string_view name;
    Container container;
    TwipRect rect;
    std::string_view caption;
    int tabIndex;  // -1: takes no part in the tab order
};

// In creation order, which is also the tab order of the controls that take the focus.
inline constexpr std::array<ControlPlace, 16> Layout = {{
    {"Pic_C", Container::Window, {180, 240, 6795, 2535}, "", 1},
    {"BGM_Repeat", Container::Panel, {1380, 780, 615, 300}, "", 2},
    {"lbl_Fname", Container::Panel, {1020, 1740, 5355, 435}, "", 3},
    {"lbl_BGM(0)", Container::Panel, {540, 1140, 345, 195}, "無し", 4},
    {"lbl_BGM(2)", Container::Panel, {540, 1440, 900, 195}, "MP3、WAV", 5},
    {"lbl_BGM(1)", Container::Panel, {540, 840, 645, 195}, "音楽CD", 6},
    {"lbl(14)", Container::Panel, {2040, 840, 990, 195}, "曲目をﾘﾋﾟｰﾄ", 7},
    {"lbl(15)", Container::Panel, {300, 360, 1665, 195}, "BGM", 8},
    {"Cmd_BGM", Container::Panel, {540, 1740, 435, 315}, "...", 9},
    {"Cmd_Set", Container::Window, {4800, 3000, 1095, 375}, "設定", 10},
    {"Cmd_Can", Container::Window, {5940, 3000, 1035, 375}, "ｷｬﾝｾﾙ", 11},
    {"Cmd_Etc", Container::Window, {2880, 3000, 1875, 375}, "その他の作品", 12},
    {"Shape3(3)", Container::Panel, {300, 300, 1695, 315}, "", -1},
    {"Img_BGM(0)", Container::Panel, {300, 1140, 195, 195}, "", -1},
    {"Img_BGM(1)", Container::Panel, {300, 840, 195, 195}, "", -1},
    {"Img_BGM(2)", Container::Panel, {300, 1440, 195, 195}, "", -1},
}};

// The control of that name; names that are not in the layout do not compile into a constant.
constexpr const ControlPlace& Place(std::string_view name) {
    for (const ControlPlace& place : Layout) {
        if (place.name == name) {
            return place;
        }
    }
    throw "no such control";
}

}  // namespace Vantor_P
