#pragma once
// The map maker: the open map file lives in map 0's slice of the world array
// and is shown one page of 20 x 15 cells at a time; the left button paints
// terrain, the right button picks a tile or places a chest. A toolbar loads,
// saves and switches maps and pages, and run mode walks the hero over it.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture.h"

class frmMain : public platform::FormOf<frmMain> {
public:
    frmMain() : FormOf("frmMain") {}

    static constexpr int kCellPx = 36, kPageCols = 20, kPageRows = 15, kPages = 10;

    // A copied page of terrain; columns 0..19 are used. Kept, like runMode,
    // from one opening to the next.
    std::array<std::array<std::uint8_t, 15>, 21> copyBuffer{};
    bool runMode = false;
    bool wholeMapShown = false;  // the page box shows the whole map, not a page
    std::uint8_t rightClickMode = 0;  // 0 picks a tile, 1..11 place object mode - 1
    int cellX = 0, cellY = 0;         // the current cell on the page
    int pageX = 0, pageY = 0;
    std::uint8_t savedMusicOn = 0;

    platform::PictureBox* Main = nullptr;     // the page, in pixels
    platform::PictureBox* imgTile = nullptr;  // the selected tile; scratch for every draw
    platform::HScrollBar* scroll = nullptr;   // the selected terrain code
    platform::Timer* moveTrue = nullptr;      // run mode's step lock
    platform::Label* lblYView = nullptr;
    platform::Label* Label1 = nullptr;
    platform::Label* Label2 = nullptr;
    platform::ControlArray<platform::Image> Image1{this, "Image1"};  // the toolbar
    platform::ControlArray<platform::CommandButton> Command1{this, "Command1"};
    platform::ControlArray<platform::Label> Label3{this, "Label3"};
    platform::ControlArray<platform::Label> lblAxis{this, "lblAxis"};

protected:
    void build() override;
    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyDown(int keyCode, int shift) override;

private:
    // Page editing.
    void Command1_Click(int index);
    void Main_MouseDown(int button, int shift, double x, double y);
    void Main_MouseMove(int button, int shift, double x, double y);
    void Label3_Click(int index);
    void scroll_Change();
    void imgTile_Click();
    bool setCellFrom(double x, double y);  // false for a point off the page
    void paintCell(int tileCode);
    void applyColumnRule();
    void drawCell();
    void drawChestMarker();
    void drawChestMarkerAt(int i, int j);
    void redrawPage();
    void showChestStats();
    void showCellLabel();
    void showWorldLabel();
    void showPageLabel();
    void showPositionLabel();

    // The toolbar and the files.
    void Image1_Click(int index);
    void loadMap();
    void saveMap();
    void movePage(int dx, int dy);
    void copyPage();
    void pastePage();
    void fillPage();
    void nextRightClickMode();
    void drawWholeMap();

    // Run mode.
    void toggleRunMode();
    std::optional<int> askCoordinate(const std::string& prompt, int max);
    void step(int keyCode);
    void moveTrue_Timer();
    void drawRunView();

    // The world cell under page cell (cellX, cellY); false off the map.
    bool worldCell(int& x, int& y) const;
    std::uint8_t& terrainAt(int x, int y);
    std::uint8_t& objectAt(int x, int y);
    static const platform::PicturePtr& tilePicture(int code);
    void showThrough(const platform::PicturePtr& picture);
    // Runs a handler; a failure ends it with a message instead of the program.
    void guarded(const std::function<void()>& handler);

    // What opening found, put back on leaving so a game in memory is untouched.
    struct Before {
        std::vector<std::uint8_t> map0;
        std::uint8_t curMap;
        std::int16_t posX, posY;
        std::uint8_t facing;
    };
    std::optional<Before> before_;
};
