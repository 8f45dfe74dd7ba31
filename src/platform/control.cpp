#include "platform/control.h"

#include <cmath>

#include "platform/form.h"
#include "platform/runtime.h"

namespace platform {

Control::Control(Form& owner, std::string name, int index)
    : owner_(owner), name_(std::move(name)), index_(index) {}

Control::~Control() { Runtime::get().formControlGone(*this); }

void Control::Move(double left, double top) {
    Left = left;
    Top = top;
    invalidate();
}

void Control::Move(double left, double top, double width, double height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
    invalidate();
}

void Control::SetFocus() {
    if (acceptsFocus()) owner_.setFocus(this);
}

void Control::ZOrder(int position) {
    if (position == 0)
        owner_.bringToFront(*this);
    else
        owner_.sendToBack(*this);
}

bool Control::hitTest(double x, double y) const {
    return x >= Left && y >= Top && x < Left + Width && y < Top + Height;
}

void Control::mouseDown(int button, int shift, double x, double y) {
    if (onMouseDown) onMouseDown(button, shift, x, y);
}

void Control::mouseMove(int button, int shift, double x, double y) {
    if (onMouseMove) onMouseMove(button, shift, x, y);
}

void Control::mouseUp(int button, int shift, double x, double y) {
    if (onMouseUp) onMouseUp(button, shift, x, y);
}

void Control::click() {
    if (onClick) onClick();
}

void Control::invalidate() const { Runtime::get().invalidate(); }

Control::PixelRect Control::pixelRect(const DrawContext& dc) const {
    auto px = [&](double v) { return int(std::lround(v / dc.scale)); };
    int x = px(Left), y = px(Top);
    return {dc.originX + x, dc.originY + y, px(Left + Width) - x, px(Top + Height) - y};
}

}  // namespace platform
