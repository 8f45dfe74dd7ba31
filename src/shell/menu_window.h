#pragma once
// The look the shell's menu windows share: borderless, the menu background
// texture over the whole client area, and a title line at the top.
#include <string>

#include "platform/form.h"
#include "shell/frmtileset.h"

namespace shell {

template <class T>
class MenuWindow : public platform::FormOf<T> {
protected:
    using platform::FormOf<T>::FormOf;

    // Call first in build().
    void buildWindow(const std::string& caption, const std::string& title, int widthPx,
                                 int heightPx) {
        this->Caption = caption;
        this->borderStyle = platform::BorderStyle::None;
        this->BackColor = 0x808080;
        this->KeyPreview = true;
        this->scale = 15;
        this->Width = widthPx * 15;
        this->Height = heightPx * 15;
        const frmTileset& store = frmTileset::get();
        if (store.Image1) {
            platform::Image& back = this->template add<platform::Image>("Image1");
            back.Stretch = true;
            back.Move(0, 0, this->Width, this->Height);
            back.setPicture(store.Image1);
        }
        platform::Label& label = this->template add<platform::Label>("lblTitle");
        label.Move(0, 300, this->Width, 450);
        label.Caption = title;
        label.Transparent = true;
        label.Alignment = platform::Align::Center;
        label.font = {.name = "Arial", .size = 14.25, .bold = true};
    }
};

}  // namespace shell
