// F5, F7 and F8 on the map screen: the save screen to save or to load, and the options.
#include "shell/frmgame.h"
#include "shell/frmoptions.h"
#include "shell/vars.h"
#include "world/frmmap.h"

void frmMap::showSaveScreen(bool save) {
    Vars::saveMode = save ? -1 : 0;
    frmGame::get().showModal();
    // A load has already put up a fresh map screen; after a save this one is
    // simply drawn again.
    if (isLoaded()) redraw();
}

void frmMap::showOptions() {
    frmOptions::get().showModal();
    if (isLoaded()) redraw();
}
