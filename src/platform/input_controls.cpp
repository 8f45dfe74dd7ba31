// Controls the player works with: scroll bar, check box, combo box, button, text box.
#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "platform/controls.h"
#include "platform/draw.h"
#include "platform/form.h"
#include "platform/keys.h"
#include "platform/utf8.h"

namespace platform {
namespace {

void caption(const DrawContext& dc, int x, int y, int w, int h, const Font& font,
             const std::string& text, VbColor color, bool centre) {
    PicturePtr p = renderText(font, text, color);
    if (!p) return;
    int tx = centre ? x + (w - p->width()) / 2 : x;
    int ty = y + (h - p->height()) / 2;
    draw::pictureClipped(dc.target, *p, tx, ty, x, y, w, h);
}

}  // namespace

// ---- HScrollBar ----

void HScrollBar::setValue(int v) {
    v = std::clamp(v, std::min(Min, Max), std::max(Min, Max));
    if (v == value_) return;
    value_ = v;
    invalidate();
    if (onChange) onChange();
}

double HScrollBar::arrowWidth() const { return std::min(Height, Width / 3); }

int HScrollBar::valueAt(double x) const {
    double aw = arrowWidth();
    double track = Width - 3 * aw;
    if (track <= 0 || Max == Min) return Min;
    double f = std::clamp((x - aw - aw / 2) / track, 0.0, 1.0);
    return Min + int(std::lround(f * (Max - Min)));
}

void HScrollBar::mouseDown(int button, int shift, double x, double y) {
    Control::mouseDown(button, shift, x, y);
    if (!Enabled || !(button & LeftButton)) return;
    double aw = arrowWidth();
    int dir = Max >= Min ? 1 : -1;
    if (x < aw) {
        setValue(value_ - dir * SmallChange);
    } else if (x >= Width - aw) {
        setValue(value_ + dir * SmallChange);
    } else {
        double track = Width - 3 * aw;
        double f = Max == Min ? 0 : double(value_ - Min) / (Max - Min);
        double thumb = aw + f * track;
        if (x < thumb)
            setValue(value_ - dir * LargeChange);
        else if (x >= thumb + aw)
            setValue(value_ + dir * LargeChange);
        else
            dragging_ = true;
    }
}

void HScrollBar::mouseMove(int button, int shift, double x, double y) {
    Control::mouseMove(button, shift, x, y);
    if (dragging_) setValue(valueAt(x));
}

void HScrollBar::mouseUp(int button, int shift, double x, double y) {
    Control::mouseUp(button, shift, x, y);
    dragging_ = false;
}

void HScrollBar::draw(const DrawContext& dc) const {
    if (!Visible) return;
    PixelRect r = pixelRect(dc);
    int aw = int(std::lround(arrowWidth() / dc.scale));
    draw::fillRect(dc.target, r.x, r.y, r.w, r.h, 0xFFE8E8E8);
    draw::bevel(dc.target, r.x, r.y, aw, r.h, false);
    draw::bevel(dc.target, r.x + r.w - aw, r.y, aw, r.h, false);
    for (int i = 0; i < 4; ++i) {  // the arrows
        draw::fillRect(dc.target, r.x + aw / 2 - 2 + i, r.y + r.h / 2 - i, 1, 2 * i + 1,
                       Enabled ? 0xFF000000 : 0xFF808080);
        draw::fillRect(dc.target, r.x + r.w - aw / 2 + 1 - i, r.y + r.h / 2 - i, 1, 2 * i + 1,
                       Enabled ? 0xFF000000 : 0xFF808080);
    }
    int track = r.w - 3 * aw;
    double f = Max == Min ? 0 : double(value_ - Min) / (Max - Min);
    draw::bevel(dc.target, r.x + aw + int(std::lround(f * track)), r.y, aw, r.h, false);
}

// ---- CheckBox ----

void CheckBox::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    invalidate();
    if (onClick) onClick();
}

void CheckBox::click() {
    if (Enabled) setValue(value_ == 1 ? 0 : 1);
}

void CheckBox::draw(const DrawContext& dc) const {
    if (!Visible) return;
    PixelRect r = pixelRect(dc);
    draw::fillRect(dc.target, r.x, r.y, r.w, r.h, toArgb(BackColor));
    int box = 13, bx = r.x + 1, by = r.y + (r.h - box) / 2;
    draw::fillRect(dc.target, bx, by, box, box, 0xFFFFFFFF);
    draw::frameRect(dc.target, bx, by, box, box, 0xFF404040);
    if (value_ == 1) {
        draw::line(dc.target, bx + 3, by + 6, bx + 5, by + 9, 0xFF000000, 2);
        draw::line(dc.target, bx + 5, by + 9, bx + 10, by + 3, 0xFF000000, 2);
    }
    caption(dc, bx + box + 4, r.y, r.w - box - 5, r.h, font, Caption, ForeColor, false);
}

// ---- ComboBox (a drop-down list) ----

void ComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    invalidate();
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    invalidate();
}

void ComboBox::setListIndex(int i) {
    if (i < -1 || i >= int(items_.size())) throw Error("Invalid property value");
    if (i == listIndex_) return;
    listIndex_ = i;
    invalidate();
    if (onClick) onClick();
}

bool ComboBox::hitTest(double x, double y) const {
    double rows = dropped_ ? double(items_.size()) : 0.0;
    return x >= Left && x < Left + Width && y >= Top && y < Top + Height * (1 + rows);
}

// The open list lies over the controls below the box, so it takes their clicks.
bool ComboBox::overlayHit(double x, double y) const {
    return dropped_ && hitTest(x, y) && y >= Top + Height;
}

void ComboBox::closeOverlay() {
    if (!dropped_) return;
    dropped_ = false;
    invalidate();
}

void ComboBox::mouseDown(int button, int shift, double x, double y) {
    Control::mouseDown(button, shift, x, y);
    if (!Enabled) return;
    if (!dropped_) {
        dropped_ = true;
    } else {
        int row = int(std::floor(y / Height)) - 1;
        dropped_ = false;
        if (row >= 0 && row < int(items_.size())) setListIndex(row);
    }
    invalidate();
}

void ComboBox::keyDown(int vk, int) {
    if (vk == vk::Down && listIndex_ + 1 < int(items_.size())) setListIndex(listIndex_ + 1);
    if (vk == vk::Up && listIndex_ > 0) setListIndex(listIndex_ - 1);
}

void ComboBox::draw(const DrawContext& dc) const {
    if (!Visible) return;
    PixelRect r = pixelRect(dc);
    draw::fillRect(dc.target, r.x, r.y, r.w, r.h, toArgb(BackColor));
    draw::frameRect(dc.target, r.x, r.y, r.w, r.h, 0xFF808080);
    int bw = r.h - 2;
    draw::bevel(dc.target, r.x + r.w - bw - 1, r.y + 1, bw, bw, dropped_);
    // The arrow points down, to where the list opens.
    for (int i = 0; i < 4; ++i)
        draw::fillRect(dc.target, r.x + r.w - bw / 2 - 4 + i, r.y + r.h / 2 - 2 + i, 7 - 2 * i, 1,
                       0xFF000000);
    caption(dc, r.x + 3, r.y, r.w - bw - 6, r.h, font, text(), ForeColor, false);
}

void ComboBox::drawOverlay(const DrawContext& dc) const {
    if (!dropped_) return;
    PixelRect r = pixelRect(dc);
    for (int i = 0; i < int(items_.size()); ++i) {
        int y = r.y + r.h * (i + 1);
        bool sel = i == listIndex_;
        draw::fillRect(dc.target, r.x, y, r.w, r.h, sel ? 0xFF000080 : 0xFFFFFFFF);
        caption(dc, r.x + 3, y, r.w - 6, r.h, font, items_[i], sel ? vbWhite : vbBlack, false);
    }
    draw::frameRect(dc.target, r.x, r.y + r.h, r.w, r.h * int(items_.size()), 0xFF000000);
}

// ---- CommandButton ----

void CommandButton::mouseDown(int button, int shift, double x, double y) {
    pressed_ = Enabled && (button & LeftButton);
    invalidate();
    Control::mouseDown(button, shift, x, y);
}

void CommandButton::mouseUp(int button, int shift, double x, double y) {
    pressed_ = false;
    invalidate();
    Control::mouseUp(button, shift, x, y);
}

void CommandButton::draw(const DrawContext& dc) const {
    if (!Visible) return;
    PixelRect r = pixelRect(dc);
    draw::bevel(dc.target, r.x, r.y, r.w, r.h, pressed_);
    if (Default) draw::frameRect(dc.target, r.x - 1, r.y - 1, r.w + 2, r.h + 2, 0xFF000000);
    caption(dc, r.x + (pressed_ ? 1 : 0), r.y + (pressed_ ? 1 : 0), r.w, r.h, font, Caption,
            Enabled ? vbBlack : 0x808080, true);
}

// ---- TextBox ----

void TextBox::textInput(const std::string& utf8) {
    if (!Enabled) return;
    for (std::size_t at = 0; at < utf8.size();) {
        int ch = int(utf8::next(utf8, at));
        if (onKeyPress) onKeyPress(ch);
        if (ch <= 0) continue;
        // The limit counts characters, however many bytes each takes.
        if (MaxLength > 0 && int(utf8::length(Text)) >= MaxLength) continue;
        utf8::append(Text, char32_t(ch));
        invalidate();
        if (onChange) onChange();
    }
}

void TextBox::keyDown(int vk, int) {
    if (vk == vk::Back && Enabled && !Text.empty()) {
        int ascii = 8;
        if (onKeyPress) onKeyPress(ascii);
        if (ascii == 0) return;
        Text.erase(utf8::lastStart(Text));
        invalidate();
        if (onChange) onChange();
    }
}

void TextBox::mouseDown(int button, int shift, double x, double y) {
    SetFocus();
    Control::mouseDown(button, shift, x, y);
}

void TextBox::draw(const DrawContext& dc) const {
    if (!Visible) return;
    PixelRect r = pixelRect(dc);
    draw::fillRect(dc.target, r.x, r.y, r.w, r.h, toArgb(BackColor));
    draw::frameRect(dc.target, r.x, r.y, r.w, r.h, 0xFF808080);
    caption(dc, r.x + 3, r.y, r.w - 6, r.h, font, Text, ForeColor, false);
    if (form().focused() == this) {
        int cx = r.x + 3 + textWidth(font, Text) + 1;
        draw::fillRect(dc.target, std::min(cx, r.x + r.w - 3), r.y + 3, 1, r.h - 6, toArgb(ForeColor));
    }
}

}  // namespace platform
