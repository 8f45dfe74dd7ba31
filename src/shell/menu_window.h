#pragma once
// The look of the shell's menu windows: the dialog look of every menu screen
// (shell/screen_style.h) and a title line at the top.
#include <string>

#include "platform/form.h"
#include "shell/screen_style.h"

namespace shell {

template <class T>
class MenuWindow : public platform::FormOf<T> {
protected:
    using platform::FormOf<T>::FormOf;

    // Call first in build().
    void buildWindow(const std::string& caption, const std::string& title, int widthPx, int heightPx) {
        shell::designScreen(*this, caption, widthPx * 15.0, heightPx * 15.0);
        this->KeyPreview = true;
        platform::Label& label = this->template add<platform::Label>("lblTitle");
        label.Move(0, 300, this->Width, 450);
        label.Caption = title;
        label.Transparent = true;
        label.Alignment = platform::Align::Center;
        label.font = {.name = "Arial", .size = 14.25, .bold = true};
    }
};

}  // namespace shell
