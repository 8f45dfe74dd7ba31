#pragma once
#include <functional>
#include <map>
#include <string>

#include "platform/error.h"

struct SDL_Surface;

namespace platform {

class Form;

// Where a form is being drawn: the target surface, the pixel origin of the
// form's client area, and the form's units per pixel (15 for twips, 1 for pixels).
struct DrawContext {
    SDL_Surface* target;
    int originX;
    int originY;
    double scale;
};

// A control of a form. Geometry is in the form's units; events receive
// coordinates relative to the control, in the same units.
class Control {
public:
    Control(Form& owner, std::string name, int index);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return owner_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 when not in a control array

    double Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
    bool Enabled = true;
    std::string ToolTipText;
    std::string Tag;

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(int button, int shift, double x, double y)> onMouseDown, onMouseMove,
        onMouseUp;

    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    void SetFocus();
    void ZOrder(int position = 0);  // 0 to the front, 1 to the back

    // Runtime side.
    virtual void draw(const DrawContext&) const {}
    virtual bool acceptsFocus() const { return false; }
    virtual bool hitTest(double x, double y) const;  // form units, relative to the form
    virtual void mouseDown(int button, int shift, double x, double y);
    virtual void mouseMove(int button, int shift, double x, double y);
    virtual void mouseUp(int button, int shift, double x, double y);
    virtual void click();
    virtual void keyDown(int /*vk*/, int /*shift*/) {}
    virtual void textInput(const std::string& /*utf8*/) {}
    virtual bool isTimer() const { return false; }
    // A part drawn over every other control, like an open drop-down list:
    // drawn after all of them and hit first. Closing it is asked for when the
    // mouse goes down anywhere else.
    virtual void drawOverlay(const DrawContext&) const {}
    virtual bool overlayHit(double /*x*/, double /*y*/) const { return false; }
    virtual void closeOverlay() {}

protected:
    void invalidate() const;
    // The control's box in window pixels for a draw context.
    struct PixelRect {
        int x, y, w, h;
    };
    PixelRect pixelRect(const DrawContext&) const;

private:
    Form& owner_;
    std::string name_;
    int index_;
};

class ControlArrayBase {
public:
    virtual ~ControlArrayBase() = default;
    virtual void clear() = 0;
};

// Like controls sharing one name, addressed by index; indices may have gaps.
template <class T>
class ControlArray : public ControlArrayBase {
public:
    ControlArray(Form* owner, std::string name);

    T& operator[](int index) const {
        auto it = items_.find(index);
        if (it == items_.end())
            throw Error("Control array element '" + name_ + "(" + std::to_string(index) +
                        ")' doesn't exist");
        return *it->second;
    }
    bool exists(int index) const { return items_.count(index) != 0; }
    int lbound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int ubound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    std::size_t count() const { return items_.size(); }
    const std::string& name() const { return name_; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    void clear() override { items_.clear(); }
    void put(int index, T* control) { items_[index] = control; }

private:
    std::string name_;
    std::map<int, T*> items_;
};

}  // namespace platform
