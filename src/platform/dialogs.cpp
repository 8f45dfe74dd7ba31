#include "platform/dialogs.h"

#include <algorithm>

#include "platform/form.h"
#include "platform/runtime.h"

namespace platform {
namespace {

constexpr int kPad = 12, kButtonW = 80, kButtonH = 24;

Font dialogFont() {
    Font f;
    f.size = 9;
    return f;
}

class MsgBoxForm : public FormOf<MsgBoxForm> {
public:
    MsgBoxForm() : FormOf("MsgBox") {}
    std::string prompt, title;
    int buttons = vbOKOnly;
    int result = vbOK;

protected:
    void build() override {
        scale = 1;
        borderStyle = BorderStyle::FixedDialog;
        Caption = title;
        bool yesNo = (buttons & 7) == vbYesNo;
        ControlBox = !yesNo;
        KeyPreview = true;
        int icon = buttons & 0x70;
        int iconW = icon ? 40 : 0;
        std::vector<std::string> lines = wrapText(dialogFont(), prompt, 420);
        int textW = 0;
        for (auto& l : lines) textW = std::max(textW, textWidth(dialogFont(), l));
        int textH = int(lines.size()) * lineHeight(dialogFont());
        int buttonsW = yesNo ? 2 * kButtonW + 8 : kButtonW;
        Width = std::max({kPad * 2 + iconW + textW, kPad * 2 + buttonsW, 200});
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
            CommandButton& b = add<CommandButton>(name);
            b.Move(x, y, kButtonW, kButtonH);
            b.Caption = caption;
            b.font = dialogFont();
            b.onClick = [this, answer] {
                result = answer;
                unload();
            };
            x += kButtonW + 8;
            return &b;
        };
        if (yesNo) {
            button("cmdYes", "Yes", vbYes)->Default = true;
            button("cmdNo", "No", vbNo)->Cancel = true;
        } else {
            CommandButton* ok = button("cmdOK", "OK", vbOK);
            ok->Default = ok->Cancel = true;
        }
    }
};

class InputBoxForm : public FormOf<InputBoxForm> {
public:
    InputBoxForm() : FormOf("InputBox") {}
    std::string prompt, title, text;
    bool accepted = false;

protected:
    void build() override {
        scale = 1;
        borderStyle = BorderStyle::FixedDialog;
        Caption = title;
        Width = 360;
        Height = 130;
        Label& l = add<Label>("lblPrompt");
        l.Move(kPad, kPad, 240, 60);
        l.Transparent = true;
        l.font = dialogFont();
        l.Caption = prompt;
        CommandButton& ok = add<CommandButton>("cmdOK");
        ok.Move(Width - kPad - kButtonW, kPad, kButtonW, kButtonH);
        ok.Caption = "OK";
        ok.font = dialogFont();
        ok.Default = true;
        ok.onClick = [this] {
            accepted = true;
            text = static_cast<TextBox*>(find("txtInput"))->Text;
            unload();
        };
        CommandButton& cancel = add<CommandButton>("cmdCancel");
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
    }
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
