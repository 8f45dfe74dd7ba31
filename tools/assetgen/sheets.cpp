// Contact sheets: every picture of a group on one PNG with its index, for
// reviewing the whole set at a glance.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "assets.h"
#include "font.h"

namespace assetgen {
namespace {

constexpr int kCell = 150, kPad = 8, kLabel = 14;

// Small pictures are enlarged and large ones reduced, so every cell is
// comfortably visible.
Image fitted(const Image& img, int fixedScale) {
    if (fixedScale > 0) return enlarged(img, fixedScale);
    const int big = std::max(img.width(), img.height());
    if (big > kCell) return reduced(img, (big + kCell - 1) / kCell);
    const int k = std::max(1, std::min(4, kCell / std::max(1, big)));
    return enlarged(img, k);
}

void checker(Image& sheet, int x, int y, int w, int h) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) sheet.set(x + i, y + j, ((i / 8 + j / 8) % 2) ? rgb(0x9a9aa2) : rgb(0xb4b4bc));
}

Image sheetOf(const PictureGroup& g) {
    std::vector<Image> cells;
    int cw = 0, ch = 0;
    for (const Picture& p : g.pictures) {
        cells.push_back(fitted(p.image, g.sheetScale));
        cw = std::max(cw, cells.back().width());
        ch = std::max(ch, cells.back().height());
    }
    cw = std::max(cw, 40);
    const int columns = std::max(1, std::min(static_cast<int>(cells.size()), 1400 / (cw + kPad)));
    const int rows = (static_cast<int>(cells.size()) + columns - 1) / columns;
    const int titleH = 30;
    Image sheet(columns * (cw + kPad) + kPad, titleH + rows * (ch + kLabel + kPad) + kPad, rgb(0x24222c));
    drawText(sheet, kPad, 8, g.title, rgb(0xf0e8c8), 3);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int x = kPad + static_cast<int>(i % columns) * (cw + kPad);
        const int y = titleH + static_cast<int>(i / columns) * (ch + kLabel + kPad);
        checker(sheet, x, y, cells[i].width(), cells[i].height());
        blit(sheet, cells[i], x, y);
        drawText(sheet, x, y + ch + 3, g.pictures[i].label, rgb(0xffffff), 2);
    }
    return sheet;
}

}  // namespace

void writeSheets(const std::vector<PictureGroup>& groups, const std::string& dir) {
    std::filesystem::create_directories(dir);
    for (const PictureGroup& g : groups) {
        const Bytes png = encodePng(sheetOf(g));
        std::string name = g.title;
        std::replace(name.begin(), name.end(), ' ', '_');
        std::ofstream(std::filesystem::path(dir) / (name + ".png"), std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }
}

}  // namespace assetgen
