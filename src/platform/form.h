#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/control.h"
#include "platform/controls.h"
#include "platform/picture.h"

namespace platform {

enum class BorderStyle { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3, ToolWindow = 4 };

// A screen. The object lives for the whole program; load() builds its
// controls afresh from their design values and runs Form_Load, unload() runs
// Form_Unload, stops its timers and marks it unloaded. Fields survive.
class Form {
public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }

    void load();  // does nothing when loaded
    void unload();
    bool isLoaded() const { return loaded_; }

    void show();       // modeless, to the front
    void showModal();  // returns when the form has unloaded
    void hide();
    bool visible() const { return loaded_ && visible_; }
    bool isModal() const { return modal_; }

    // Design values, set by build().
    std::string Caption;
    BorderStyle borderStyle = BorderStyle::FixedSingle;
    bool ControlBox = true;
    bool KeyPreview = false;
    VbColor BackColor = vbButtonFace;
    PicturePtr Picture;
    double scale = 15;  // form units per pixel: 15 twips, or 1 for pixel forms
    double Width = 0, Height = 0;  // client area in form units

    int pixelWidth() const;   // the whole form, title bar included
    int pixelHeight() const;
    int titleBarHeight() const;
    // The narrowest width, in pixels, whose title bar shows the whole caption.
    int captionFitWidth() const;

    // The control with keyboard focus, if any.
    Control* focused() const { return focused_; }
    void setFocus(Control* c) { focused_ = c; }

    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* controlAt(double x, double y) const;  // topmost visible control, form units
    Control* find(const std::string& name, int index = -1) const;
    void bringToFront(Control& c);
    void sendToBack(Control& c);

    // Event entry points used by the runtime; they call the handlers below.
    void dispatchKeyDown(int vk, int shift);
    void dispatchKeyUp(int vk, int shift);
    void dispatchText(const std::string& utf8);
    void dispatchMouseDown(int button, int shift, double x, double y);
    void dispatchMouseMove(int button, int shift, double x, double y);
    void dispatchMouseUp(int button, int shift, double x, double y);
    void requestClose();  // the close box

    void draw(const DrawContext&) const;

    void registerArray(ControlArrayBase* array) { arrays_.push_back(array); }

protected:
    // Creates the controls with their design values; runs at every load.
    virtual void build() {}
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_KeyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyUp(int /*keyCode*/, int /*shift*/) {}
    virtual void Form_MouseDown(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
    virtual void Form_MouseMove(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
    virtual void Form_MouseUp(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
    virtual void Form_Click() {}

    template <class T>
    T& add(const std::string& name) {
        return static_cast<T&>(adopt(std::make_unique<T>(*this, name, -1)));
    }
    template <class T>
    T& add(ControlArray<T>& array, int index) {
        T& c = static_cast<T&>(adopt(std::make_unique<T>(*this, array.name(), index)));
        array.put(index, &c);
        return c;
    }

private:
    Control& adopt(std::unique_ptr<Control> c);
    void stopTimers();

    std::string name_;
    bool loaded_ = false;
    bool unloading_ = false;
    bool visible_ = false;
    bool modal_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Control>> retired_;  // controls of the last load
    std::vector<ControlArrayBase*> arrays_;
    Control* focused_ = nullptr;
    Control* captured_ = nullptr;  // gets the mouse while a button is held
    Control* pressed_ = nullptr;
    int buttons_ = 0;
};

template <class T>
ControlArray<T>::ControlArray(Form* owner, std::string name) : name_(std::move(name)) {
    owner->registerArray(this);
}

// One program-wide instance per form class, created on first use:
//   class frmMap : public platform::FormOf<frmMap> { ... };   frmMap::get()
template <class T>
class FormOf : public Form {
public:
    static T& get() {
        static T* instance = new T();  // lives as long as the program
        return *instance;
    }

protected:
    explicit FormOf(std::string name) : Form(std::move(name)) {}
};

}  // namespace platform
