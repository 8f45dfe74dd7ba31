#pragma once
// The intrinsic controls of the forms runtime we replace.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/control.h"
#include "platform/font.h"
#include "platform/picture.h"

namespace platform {

enum class Align { Left = 0, Right = 1, Center = 2 };

class Label : public Control {
public:
    using Control::Control;
    std::string Caption;
    VbColor ForeColor = vbBlack;
    VbColor BackColor = vbButtonFace;
    bool Transparent = false;  // BackStyle 0
    Align Alignment = Align::Left;
    bool AutoSize = false;
    bool WordWrap = true;  // captions wrap at the box's width and are clipped to it
    int BorderStyle = 0;   // 1 draws a single line
    Font font;

    void draw(const DrawContext&) const override;

private:
    // The caption is wrapped again only when it, the font or the box change;
    // a new colour only draws the same lines again.
    struct Wrapped {
        std::string caption;
        Font font;
        int width = -1, visibleWidth = -1;
        std::size_t room = 0;
        std::vector<std::string> lines;
    };
    // wrapWidth -1: the caption is one line.
    const std::vector<PicturePtr>& pictures(int wrapWidth, int visibleWidth, std::size_t room) const;
    mutable Wrapped wrapped_;
    mutable VbColor drawnColor_ = 0;
    mutable std::vector<PicturePtr> pictures_;
};

class Image : public Control {
public:
    using Control::Control;
    bool Stretch = false;
    int BorderStyle = 0;

    // A non-stretched image takes its picture's size.
    void setPicture(PicturePtr picture);
    const PicturePtr& picture() const { return picture_; }

    void draw(const DrawContext&) const override;

private:
    PicturePtr picture_;
};

// Raster operations of BitBlt.
enum class Rop { SrcCopy, SrcAnd, SrcPaint };

// A software surface the game paints on.
class PictureBox : public Control {
public:
    PictureBox(Form& owner, std::string name, int index);
    ~PictureBox() override;

    VbColor BackColor = vbButtonFace;
    int BorderStyle = 1;
    bool AutoRedraw = true;
    bool pixelScale = true;  // the box's own coordinates are pixels, its mouse events too

    void setPicture(PicturePtr picture);  // the persistent background
    const PicturePtr& picture() const { return picture_; }

    void Cls();
    // Draws src (the whole picture, or its part sx, sy, sw, sh) stretched to w x h at x, y.
    void PaintPicture(const Picture& src, double x, double y, double w = -1, double h = -1,
                      double sx = 0, double sy = 0, double sw = -1, double sh = -1);
    void BitBlt(int x, int y, int w, int h, const Picture& src, int sx, int sy, Rop rop);
    void Line(double x1, double y1, double x2, double y2, VbColor color);
    void FillRect(double x, double y, double w, double h, VbColor color);
    std::uint32_t pixel(int x, int y) const;  // ARGB
    SDL_Surface* canvas() const;

    void draw(const DrawContext&) const override;
    void mouseDown(int button, int shift, double x, double y) override;
    void mouseMove(int button, int shift, double x, double y) override;
    void mouseUp(int button, int shift, double x, double y) override;

private:
    double toOwnUnits(double formUnits) const;
    void ensureCanvas(int w, int h) const;
    PicturePtr picture_;
    mutable SDL_Surface* canvas_ = nullptr;
};

// A timer is a control without a face. Setting Enabled or Interval follows the
// runtime's arming rules (see runtime.h).
class Timer : public Control {
public:
    Timer(Form& owner, std::string name, int index);
    ~Timer() override;

    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    void setInterval(int ms);
    void setEnabled(bool on);

    std::function<void()> onTimer;

    bool isTimer() const override { return true; }

    // Runtime side.
    std::uint64_t due() const { return due_; }
    std::uint64_t armSequence() const { return armSeq_; }
    bool armed() const { return armed_; }
    bool running() const { return running_; }
    void fire();
    void disarm();

private:
    void arm();
    int interval_ = 0;
    bool enabled_ = false;
    bool armed_ = false;
    bool running_ = false;
    std::uint64_t due_ = 0;
    std::uint64_t armSeq_ = 0;
};

class HScrollBar : public Control {
public:
    using Control::Control;
    int Min = 0, Max = 32767, SmallChange = 1, LargeChange = 1;

    int value() const { return value_; }
    // Fires onChange when the value changes, whoever changes it.
    void setValue(int v);
    std::function<void()> onChange;

    void draw(const DrawContext&) const override;
    void mouseDown(int button, int shift, double x, double y) override;
    void mouseMove(int button, int shift, double x, double y) override;
    void mouseUp(int button, int shift, double x, double y) override;

private:
    double arrowWidth() const;
    int valueAt(double x) const;
    int value_ = 0;
    bool dragging_ = false;
};

class CheckBox : public Control {
public:
    using Control::Control;
    std::string Caption;
    VbColor ForeColor = vbBlack;
    VbColor BackColor = vbButtonFace;
    Font font;

    int value() const { return value_; }
    // Fires onClick when the value changes, as the runtime did.
    void setValue(int v);

    void draw(const DrawContext&) const override;
    void click() override;

private:
    int value_ = 0;
};

class ComboBox : public Control {
public:
    using Control::Control;
    Font font;
    VbColor ForeColor = vbBlack;
    VbColor BackColor = vbWhite;

    void AddItem(const std::string& item);
    void Clear();
    int listCount() const { return int(items_.size()); }
    const std::string& list(int i) const { return items_.at(i); }
    int listIndex() const { return listIndex_; }
    void setListIndex(int i);  // fires onClick when it changes
    std::string text() const { return listIndex_ < 0 ? std::string() : items_[listIndex_]; }

    void draw(const DrawContext&) const override;
    void drawOverlay(const DrawContext&) const override;
    bool hitTest(double x, double y) const override;
    bool overlayHit(double x, double y) const override;
    void closeOverlay() override;
    void mouseDown(int button, int shift, double x, double y) override;
    void click() override {}
    bool acceptsFocus() const override { return true; }
    void keyDown(int vk, int shift) override;
    bool dropped() const { return dropped_; }

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    bool dropped_ = false;
};

class CommandButton : public Control {
public:
    using Control::Control;
    std::string Caption;
    Font font;
    bool Default = false;  // Enter clicks it
    bool Cancel = false;   // Esc clicks it

    void draw(const DrawContext&) const override;
    void mouseDown(int button, int shift, double x, double y) override;
    void mouseUp(int button, int shift, double x, double y) override;

private:
    bool pressed_ = false;
};

class TextBox : public Control {
public:
    using Control::Control;
    std::string Text;
    int MaxLength = 0;  // in characters; 0: no limit
    Font font;
    VbColor ForeColor = vbBlack;
    VbColor BackColor = vbWhite;

    // Each typed character (a code point; 8 for backspace) passes through
    // here first; setting it to 0 refuses it.
    std::function<void(int& ch)> onKeyPress;
    std::function<void()> onChange;

    void draw(const DrawContext&) const override;
    bool acceptsFocus() const override { return true; }
    void keyDown(int vk, int shift) override;
    void textInput(const std::string& utf8) override;
    void mouseDown(int button, int shift, double x, double y) override;
};

class LineControl : public Control {
public:
    using Control::Control;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    VbColor BorderColor = vbBlack;
    int BorderWidth = 1;

    void draw(const DrawContext&) const override;
    bool hitTest(double, double) const override { return false; }
};

class Shape : public Control {
public:
    using Control::Control;
    enum Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4 };
    int ShapeKind = Rectangle;
    VbColor BorderColor = vbBlack;
    int BorderWidth = 1;
    bool Filled = false;  // FillStyle solid
    VbColor FillColor = vbBlack;

    void draw(const DrawContext&) const override;
    bool hitTest(double, double) const override { return false; }
};

class ProgressBar : public Control {
public:
    using Control::Control;
    int Min = 0, Max = 100;
    int value() const { return value_; }
    void setValue(int v);  // kept within Min..Max

    void draw(const DrawContext&) const override;

private:
    int value_ = 0;
};

}  // namespace platform
