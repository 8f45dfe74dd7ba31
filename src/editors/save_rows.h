#pragma once
// The save editor's ten rows: which labels and bar show which game variable,
// and the bar's range. The table's order is the order in which the bars are
// copied into the game state.
#include <array>

#include "shell/vars.h"

namespace editors {

struct SaveRow {
    const char* caption;
    int captionLabel, valueLabel, bar;  // indices of lbl8, lbl8 and HScroll1
    int min, max;
    double left, top, width;  // twips: the caption's line; the bar lies under it
    double (*get)();
    void (*set)(int);
};

namespace rows {
constexpr double kGridTop = 2880, kGridLine = 690, kCell = 1620;
constexpr double kListTop = 4320, kListStep = 630, kWide = 2655;
constexpr double kLeft = 360, kMiddle = 2160, kRight = 3960;

template <auto& var>
double read() {
    return double(var);
}
template <auto& array, int i>
double readItem() {
    return array[i];
}
}  // namespace rows

// Lower bounds are the least the game's own loader accepts for each value;
// each bar starts there.
inline constexpr std::array<SaveRow, 10> kSaveRows = {{
    {"Rubies:", 4, 0, 7, 0, 9999, rows::kLeft, rows::kGridTop, rows::kCell,
     rows::read<Vars::rubies>, [](int v) { Vars::rubies = double(v); }},
    {"Herbs:", 13, 14, 5, 0, 99, rows::kMiddle, rows::kGridTop, rows::kCell,
     rows::readItem<Vars::heroItems, 0>, [](int v) { Vars::heroItems[0] = Vars::u8(v); }},
    {"Potions:", 15, 16, 6, 0, 99, rows::kRight, rows::kGridTop, rows::kCell,
     rows::readItem<Vars::heroItems, 2>, [](int v) { Vars::heroItems[2] = Vars::u8(v); }},
    {"Berries:", 17, 18, 8, 0, 99, rows::kLeft, rows::kGridTop + rows::kGridLine, rows::kCell,
     rows::readItem<Vars::heroItems, 1>, [](int v) { Vars::heroItems[1] = Vars::u8(v); }},
    {"Fire Potions:", 19, 20, 9, 0, 99, rows::kMiddle, rows::kGridTop + rows::kGridLine, rows::kCell,
     rows::readItem<Vars::heroItems, 3>, [](int v) { Vars::heroItems[3] = Vars::u8(v); }},
    {"Max Health:", 5, 6, 0, 20, 500, rows::kLeft, rows::kListTop, rows::kWide,
     rows::read<Vars::heroMaxHP>, [](int v) { Vars::heroMaxHP = Vars::i16(v); }},
    {"Max Magek:", 2, 3, 1, 0, 255, rows::kLeft, rows::kListTop + rows::kListStep, rows::kWide,
     rows::read<Vars::heroMaxMP>, [](int v) { Vars::heroMaxMP = Vars::u8(v); }},
    {"Strength:", 7, 8, 2, 10, 100, rows::kLeft, rows::kListTop + 2 * rows::kListStep, rows::kWide,
     rows::read<Vars::heroStr>, [](int v) { Vars::heroStr = Vars::u8(v); }},
    {"Dexterity:", 9, 10, 3, 10, 100, rows::kLeft, rows::kListTop + 3 * rows::kListStep, rows::kWide,
     rows::read<Vars::heroDex>, [](int v) { Vars::heroDex = Vars::u8(v); }},
    {"Wisdom:", 11, 12, 4, 10, 100, rows::kLeft, rows::kListTop + 4 * rows::kListStep, rows::kWide,
     rows::read<Vars::heroWis>, [](int v) { Vars::heroWis = Vars::u8(v); }},
}};

}  // namespace editors
