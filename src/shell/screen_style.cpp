#include "shell/screen_style.h"

namespace shell {

void designScreen(platform::Form& form, const std::string& caption, double width, double height) {
    form.Caption = caption;
    form.borderStyle = platform::BorderStyle::FixedDialog;
    form.ControlBox = false;
    // A plain mid-tone, where both the black entries and the white
    // highlight read well; the menu textures are too dark for black text.
    form.BackColor = platform::rgb(168, 136, 96);
    form.scale = 15;
    form.Width = width;
    form.Height = height;
}

platform::Label& placeText(platform::Label& label, double left, double top, double width,
                           double size, platform::Align align) {
    label.Move(left, top, width, size * 40);
    label.Transparent = true;
    label.ForeColor = kEntryColor;
    label.Alignment = align;
    label.font.size = size;
    label.font.bold = true;
    return label;
}

}  // namespace shell
