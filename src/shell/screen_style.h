#pragma once
// The look the menu screens share: a plain dialog, bold
// black entries, and white for the entry under the mouse.
#include <string>

#include "platform/controls.h"
#include "platform/form.h"

namespace shell {

constexpr platform::VbColor kEntryColor = platform::vbBlack;
constexpr platform::VbColor kHighlightColor = platform::vbWhite;

// Sets a form's design values: caption, dialog border, texture, size in twips.
void designScreen(platform::Form& form, const std::string& caption, double width, double height);

// Places a transparent bold label of the given point size.
platform::Label& placeText(platform::Label& label, double left, double top, double width,
                           double size, platform::Align align = platform::Align::Center);

}  // namespace shell
