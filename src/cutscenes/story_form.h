#pragma once
// What the story scenes and the intro share: a borderless black window, a
// backdrop behind everything, and under it the face and the line on the black
// band, moved on by a step every seven seconds.
#include <functional>
#include <string>

#include "platform/controls.h"
#include "platform/form.h"

namespace cutscenes {

struct Box {
    double left, top, width, height;
};

inline void place(platform::Control& c, const Box& b) { c.Move(b.left, b.top, b.width, b.height); }

template <class T>
class StoryForm : public platform::FormOf<T> {
public:
    platform::Image* Image2 = nullptr;  // backdrop
    platform::Image* Image1 = nullptr;  // the speaker's face
    platform::Label* Label2 = nullptr;  // the line
    platform::Timer* tmrShow = nullptr;

protected:
    explicit StoryForm(std::string name) : platform::FormOf<T>(std::move(name)) {}

    // The window and its backdrop; comes first, so the backdrop lies behind
    // whatever the form adds next.
    void buildWindowAndBackdrop() {
        this->borderStyle = platform::BorderStyle::None;
        this->ControlBox = false;
        this->BackColor = platform::vbBlack;
        this->KeyPreview = true;
        this->scale = 15;
        this->Width = 12000;
        this->Height = 9000;
        Image2 = &this->template add<platform::Image>("Image2");
        Image2->Stretch = true;
        place(*Image2, kBackdrop);
    }

    // The line, the face, and the timer that calls `step` every seven seconds.
    void buildLineFaceAndTimer(std::function<void()> step) {
        Label2 = &this->template add<platform::Label>("Label2");
        Label2->ForeColor = kWhite;
        Label2->Transparent = true;
        Label2->Alignment = platform::Align::Center;
        Label2->font = {.name = "Arial", .size = 15.75, .bold = true};
        place(*Label2, kLine);

        Image1 = &this->template add<platform::Image>("Image1");
        Image1->Stretch = true;
        place(*Image1, kFace);

        tmrShow = &this->template add<platform::Timer>("tmrShow");
        tmrShow->onTimer = std::move(step);
        tmrShow->setInterval(kStepInterval);
        tmrShow->setEnabled(true);
    }

    static constexpr platform::VbColor kWhite = 0xFFFFFF;

private:
    static constexpr Box kBackdrop{240, 240, 11535, 6975};
    static constexpr Box kFace{360, 7560, 1080, 1080};
    static constexpr Box kLine{1680, 7800, 9975, 855};
    static constexpr int kStepInterval = 7000;
};

}  // namespace cutscenes
