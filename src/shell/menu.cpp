#include "shell/menu.h"

#include <vector>

#include "platform/keys.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace shell {

Menu::Menu(Labels& labels, MenuStyle style, std::function<void(int)> choose)
    : labels_(labels), style_(style), choose_(std::move(choose)) {}

void Menu::attach(int selected) {
    for (const auto& [index, label] : labels_) {
        const int i = index;
        label->onClick = [this, i] { choose(i); };
        label->onMouseMove = [this, i](int, int, double, double) { hover(i); };
        label->ForeColor = style_.normal;
    }
    selected_ = -1;
    if (selected < 0) {
        for (const auto& [index, label] : labels_) {
            if (usable(index)) {
                selected = index;
                break;
            }
        }
    }
    if (labels_.exists(selected)) select(selected);
}

bool Menu::usable(int index) const {
    if (!labels_.exists(index)) return false;
    const platform::Label& label = labels_[index];
    return label.Visible && label.Enabled;
}

void Menu::select(int index) {
    if (labels_.exists(selected_)) labels_[selected_].ForeColor = style_.normal;
    selected_ = index;
    if (labels_.exists(index)) labels_[index].ForeColor = style_.highlight;
    if (onSelect) onSelect(index);
}

void Menu::hover(int index) {
    if (index == selected_) return;
    select(index);
    if (style_.hoverSound) Subs::playSnd17();
}

void Menu::step(int direction) {
    std::vector<int> entries;
    for (const auto& [index, label] : labels_)
        if (usable(index)) entries.push_back(index);
    if (entries.empty()) return;
    std::size_t at = 0;
    while (at < entries.size() && entries[at] != selected_) ++at;
    std::size_t next;
    if (at == entries.size()) {
        next = direction > 0 ? 0 : entries.size() - 1;
    } else {
        next = (at + entries.size() + direction) % entries.size();
    }
    select(entries[next]);
    if (style_.keySound) Subs::playSnd17();
}

void Menu::choose(int index) {
    if (index != selected_) select(index);
    Subs::playSnd2();
    // The handler may unload the form; nothing of it is touched afterwards.
    choose_(index);
}

bool Menu::keyDown(int keyCode) {
    namespace vk = platform::vk;
    const int up = style_.fixedKeys ? vk::Up : Vars::keyUp;
    const int down = style_.fixedKeys ? vk::Down : Vars::keyDown;
    const int left = style_.fixedKeys ? vk::Left : Vars::keyLeft;
    const int right = style_.fixedKeys ? vk::Right : Vars::keyRight;
    const int selectKey = style_.fixedKeys ? int(vk::Return) : Vars::keySelect;
    const bool vertical = style_.bothAxes || !style_.horizontal;
    const bool horizontal = style_.bothAxes || style_.horizontal;
    const bool back = (vertical && keyCode == up) || (horizontal && keyCode == left);
    const bool on = (vertical && keyCode == down) || (horizontal && keyCode == right);
    if (on && (style_.forwardFirst || !back)) {
        step(+1);
    } else if (back) {
        step(-1);
    } else if (keyCode == selectKey) {
        if (labels_.exists(selected_)) choose(selected_);
    } else if (keyCode == vk::Escape && style_.escEntry >= 0) {
        choose(style_.escEntry);
    } else {
        return false;
    }
    return true;
}

}  // namespace shell
