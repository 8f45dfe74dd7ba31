#pragma once
// The map maker's fixed texts: the right-click modes, the chest statistics
// and the toolbar's tool tips.
#include <array>
#include <string_view>

namespace editors {

// Mode 0 picks a tile; mode m (1..11) writes object code m - 1, whose name
// in the "Chest (X, Y)" line is the mode's caption.
inline constexpr std::array<std::string_view, 12> kRightClickCaptions = {
    "Pick Tile", "NULL", "$3-8",   "$5-15",  "$15-25",   "$25-50",
    "Monster",   "Herb", "Berry",  "Potion", "Fire Pot", "Empty",
};
inline constexpr int kLastObjectCode = 10;

constexpr std::string_view objectName(int code) { return kRightClickCaptions[std::size_t(code) + 1]; }

// lblAxis(4) counts every chest, lblAxis(4 + c) the chests of code c. The
// money ranges here are the statistics' own, not the modes'.
inline constexpr std::array<std::string_view, 11> kChestStatCaptions = {
    "Total:  ",   "$2-6:  ", "$5-12:  ", "$15-25:  ", "$25-50:  ", "Monster:  ",
    "Herb:  ",    "Berry:  ", "Potion:  ", "Fire Pot:  ", "Empty:  ",
};

enum Tool {
    LoadTool, SaveTool, ChangeMapTool, PageRightTool, PageLeftTool, PageUpTool, PageDownTool,
    CopyTool, PasteTool, RunTool, FillTool, RightClickTool, WholeMapTool,
};

inline constexpr std::array<std::string_view, 13> kToolTips = {
    "Load this map",
    "Save this map",
    "Change map",
    "Scroll Map Right",
    "Scroll Map Left",
    "Scroll Map Up",
    "Scroll Map Down",
    "Copy the current screen",
    "Paste what is copied to this screen",
    "Run the map!",
    "Fill the entire screen with the selected tile",
    "Switch what Right-Click will do",
    "View the entire map.",
};

}  // namespace editors
