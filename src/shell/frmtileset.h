#pragma once
// The picture store: a form that is never shown. Screens copy pictures from
// its arrays. Terrain, faces, icons and the like are built into the program;
// monsters, backdrops, character sprites and window textures come from
// graphics/ at start-up.
#include <map>
#include <string>

#include "platform/error.h"
#include "platform/form.h"
#include "platform/picture.h"

class PictureArray {
public:
    explicit PictureArray(std::string name) : name_(std::move(name)) {}
    const platform::PicturePtr& operator[](int index) const;
    bool exists(int index) const { return items_.count(index) != 0; }
    void put(int index, platform::PicturePtr p) { items_[index] = std::move(p); }
    void erase(int index) { items_.erase(index); }
    std::size_t count() const { return items_.size(); }
    const std::string& name() const { return name_; }

private:
    std::string name_;
    std::map<int, platform::PicturePtr> items_;
};

class frmTileset : public platform::FormOf<frmTileset> {
public:
    frmTileset() : FormOf("frmTileset") {}

    PictureArray Tiles{"Tiles"};        // 0..79 terrain, 80 chest mask, 81 chest, 82..105 hero
    PictureArray img{"img"};            // faces by portraitId
    PictureArray pic{"pic"};            // character sprites 0..12
    PictureArray imgEnemy{"imgEnemy"};  // monsters 1..50
    PictureArray battle{"battle"};      // backdrops 0..12
    PictureArray icons{"icons"};
    PictureArray item{"item"};
    PictureArray weapon{"weapon"};
    PictureArray armor{"armor"};
    PictureArray shield{"shield"};
    PictureArray hit{"hit"};            // hit animations: kind * 3 + frame
    PictureArray windowTexture{"W"};    // menu window textures W1..
    PictureArray intro{"intro"};        // the intro's figures
    PictureArray toolbar{"toolbar"};    // the map maker's toolbar icons
    platform::PicturePtr Image1;        // the menu background
    platform::PicturePtr closeButton;   // the map maker's close button

    // Fills every array: the built-in pictures, then graphics/. Throws
    // platform::Error naming the file that failed. Yields to the message loop
    // between files.
    void loadPictures();
    bool picturesLoaded() const { return loaded_; }

private:
    void loadBuiltIn();
    void loadFiles();
    bool loaded_ = false;
};
