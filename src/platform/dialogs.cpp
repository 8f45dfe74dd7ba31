#include "platform/dialogs.h"

#include <algorithm>
#include <vector>

#include "platform/draw.h"
#include "platform/form.h"
#include "platform/keys.h"
#include "platform/runtime.h"

namespace platform {
namespace {

constexpr int kPad = 12, kButtonW = 80, kButtonH = 24;
// A message box stays within the window however long its text.
constexpr std::size_t kMostPromptLines = 30;

Font dialogFont() {
    Font f;
    f.size = 9;
    return f;
}

// A dialog's button takes the focus, as the buttons of the system's dialogs
// do. The focused one carries the dark frame and a dotted mark; while the
// focus is on something else (the input box's text) the home button, the one
// Return then presses, carries the frame.
class DialogButton : public CommandButton {
public:
    using CommandButton::CommandButton;
    bool home = false;

    bool acceptsFocus() const override { return true; }

    void draw(const DrawContext& dc) const override {
        CommandButton::draw(dc);
        if (!Visible) return;
        const Control* focus = form().focused();
        const bool focused = focus == this;
        if (!focused && !(home && !dynamic_cast<const DialogButton*>(focus))) return;
        PixelRect r = pixelRect(dc);
        draw::frameRect(dc.target, r.x - 1, r.y - 1, r.w + 2, r.h + 2, 0xFF000000);
        if (focused) draw::dottedFrame(dc.target, r.x + 4, r.y + 4, r.w - 8, r.h - 8, 0xFF000000);
    }
};

// The keys of a dialog: Tab (Shift+Tab back) moves the focus round `order`,
// Left/Right round the buttons while one has it, and Return presses the
// focused button, or the home one. Esc is the Cancel button's own key.
struct FocusRing {
    std::vector<Control*> order;  // filled at each build
    DialogButton* home = nullptr;

    void keyDown(Form& form, int keyCode, int shift) {
        auto* onButton = dynamic_cast<DialogButton*>(form.focused());
        if (keyCode == vk::Tab) {
            move(form, order, shift & ShiftMask ? -1 : 1);
        } else if (onButton && (keyCode == vk::Left || keyCode == vk::Right)) {
            std::vector<Control*> buttons;
            for (Control* c : order)
                if (dynamic_cast<DialogButton*>(c)) buttons.push_back(c);
            move(form, buttons, keyCode == vk::Right ? 1 : -1);
        } else if (keyCode == vk::Return) {
            DialogButton* press = onButton ? onButton : home;
            if (press && press->Enabled) press->click();
        }
    }

private:
    static void move(Form& form, const std::vector<Control*>& ring, int direction) {
        if (ring.empty()) return;
        const auto at = std::find(ring.begin(), ring.end(), form.focused());
        const int n = int(ring.size());
        const int from = at == ring.end() ? (direction > 0 ? -1 : 0) : int(at - ring.begin());
        form.setFocus(ring[std::size_t((from + direction + n) % n)]);
        Runtime::get().invalidate();
    }
};

class MsgBoxForm : public FormOf<MsgBoxForm> {
public:
    MsgBoxForm() : FormOf("MsgBox") {}
    std::string prompt, title;
    int buttons = vbOKOnly;
    int result = vbOK;

protected:
    void Form_KeyDown(int keyCode, int shift) override { keys.keyDown(*this, keyCode, shift); }

    void build() override {
        keys = {};
        scale = 1;
        borderStyle = BorderStyle::FixedDialog;
        Caption = title;
        bool yesNo = (buttons & 7) == vbYesNo;
        ControlBox = !yesNo;
        KeyPreview = true;
        int icon = buttons & 0x70;
        int iconW = icon ? 40 : 0;
        std::vector<std::string> lines = wrapText(dialogFont(), prompt, 420, kMostPromptLines);
        int textW = 0;
        for (auto& l : lines) textW = std::max(textW, textWidth(dialogFont(), l));
        int textH = textHeight(dialogFont(), lines.size());
        int buttonsW = yesNo ? 2 * kButtonW + 8 : kButtonW;
        Width = std::max({kPad * 2 + iconW + textW, kPad * 2 + buttonsW, 200, captionFitWidth()});
        Height = kPad * 3 + std::max(textH, icon ? 32 : 0) + kButtonH;
        if (icon) {
            Shape& s = add<Shape>("imgIcon");
            s.Move(kPad, kPad, 32, 32);
            s.ShapeKind = Shape::Circle;
            s.Filled = true;
            s.FillColor = icon == vbCritical ? 0x0000C0 : 0xC06000;
            s.BorderColor = vbWhite;
            Label& mark = add<Label>("lblIcon");
            mark.Move(kPad, kPad + 6, 32, 20);
            mark.Transparent = true;
            mark.Alignment = Align::Center;
            mark.ForeColor = vbWhite;
            mark.font.bold = true;
            mark.font.size = 12;
            mark.Caption = icon == vbCritical ? "X" : icon == vbQuestion ? "?" : icon == vbExclamation ? "!" : "i";
        }
        Label& text = add<Label>("lblPrompt");
        text.Move(kPad + iconW, kPad, Width - 2 * kPad - iconW, textH + 2);
        text.Transparent = true;
        text.font = dialogFont();
        text.Caption = prompt;
        int y = int(Height) - kPad - kButtonH;
        int x = int(Width - buttonsW) / 2;
        auto button = [&](const char* name, const char* caption, int answer) {
            DialogButton& b = add<DialogButton>(name);
            b.Move(x, y, kButtonW, kButtonH);
            b.Caption = caption;
            b.font = dialogFont();
            b.onClick = [this, answer] {
                result = answer;
                unload();
            };
            x += kButtonW + 8;
            keys.order.push_back(&b);
            return &b;
        };
        if (yesNo) {
            keys.home = button("cmdYes", "Yes", vbYes);
            button("cmdNo", "No", vbNo)->Cancel = true;
        } else {
            keys.home = button("cmdOK", "OK", vbOK);
            keys.home->Cancel = true;
        }
        keys.home->home = true;
        setFocus(keys.home);
    }

private:
    FocusRing keys;
};

class InputBoxForm : public FormOf<InputBoxForm> {
public:
    InputBoxForm() : FormOf("InputBox") {}
    std::string prompt, title, text;
    bool accepted = false;

protected:
    void Form_KeyDown(int keyCode, int shift) override { keys.keyDown(*this, keyCode, shift); }

    void build() override {
        scale = 1;
        borderStyle = BorderStyle::FixedDialog;
        Caption = title;
        KeyPreview = true;
        Width = 360;
        Height = 130;
        Label& l = add<Label>("lblPrompt");
        l.Move(kPad, kPad, 240, 60);
        l.Transparent = true;
        l.font = dialogFont();
        l.Caption = prompt;
        DialogButton& ok = add<DialogButton>("cmdOK");
        ok.Move(Width - kPad - kButtonW, kPad, kButtonW, kButtonH);
        ok.Caption = "OK";
        ok.font = dialogFont();
        ok.home = true;
        ok.onClick = [this] {
            accepted = true;
            text = static_cast<TextBox*>(find("txtInput"))->Text;
            unload();
        };
        DialogButton& cancel = add<DialogButton>("cmdCancel");
        cancel.Move(Width - kPad - kButtonW, kPad + kButtonH + 6, kButtonW, kButtonH);
        cancel.Caption = "Cancel";
        cancel.font = dialogFont();
        cancel.Cancel = true;
        cancel.onClick = [this] { unload(); };
        TextBox& t = add<TextBox>("txtInput");
        t.Move(kPad, Height - kPad - 22, Width - 2 * kPad, 22);
        t.font = dialogFont();
        t.Text = text;
        setFocus(&t);
        keys = {{&t, &ok, &cancel}, &ok};
    }

private:
    FocusRing keys;
};

}  // namespace

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    MsgBoxForm& f = MsgBoxForm::get();
    f.prompt = prompt;
    f.buttons = buttons;
    f.title = title.empty() ? std::string("Thorncall II") : title;
    f.result = (buttons & 7) == vbYesNo ? vbNo : vbOK;
    f.showModal();
    return f.result;
}

std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    InputBoxForm& f = InputBoxForm::get();
    f.prompt = prompt;
    f.title = title.empty() ? std::string("Thorncall II") : title;
    f.text = defaultText;
    f.accepted = false;
    f.showModal();
    return f.accepted ? f.text : std::string();
}

}  // namespace platform
