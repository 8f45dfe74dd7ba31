#pragma once
// The tile picker: the 80 terrain tiles in a grid; a click selects one for
// the map maker's painting (Vars::editorTile) and closes the picker.
#include "platform/controls.h"
#include "platform/form.h"

class frmTileSet2 : public platform::FormOf<frmTileSet2> {
public:
    frmTileSet2() : FormOf("frmTileSet2") {}

    platform::ControlArray<platform::Image> Tiles{this, "Tiles"};
    platform::Label* Label1 = nullptr;  // the hint line

protected:
    void build() override;
    void Form_Load() override;

private:
    void Tiles_MouseMove(int index);
    void Tiles_Click(int index);
};
