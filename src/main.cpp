// A small demonstration screen of the forms runtime until the game's own
// start-up takes its place.
#include <SDL.h>
#include <SDL_image.h>

#include "platform/audio.h"
#include "platform/dialogs.h"
#include "platform/form.h"
#include "platform/keys.h"
#include "platform/runtime.h"
#include "platform/video.h"

namespace {

class frmDemo : public platform::FormOf<frmDemo> {
public:
    frmDemo() : FormOf("frmDemo") {}

protected:
    void build() override {
        Caption = "Thorncall II";
        Width = 800 * 15;
        Height = 560 * 15;
        BackColor = 0x402010;
        KeyPreview = true;
        for (int i = 0; i < 3; ++i) {
            platform::Label& l = add(lbl3, i);
            l.Move(4800, 3000.0 + i * 600, 2400, 450);
            l.Transparent = true;
            l.font.size = 14.25;
            l.font.bold = true;
            l.ForeColor = platform::vbWhite;
            l.Alignment = platform::Align::Center;
            l.Caption = i == 0 ? "Message" : i == 1 ? "Gauge" : "Exit";
            l.onClick = [this, i] { choose(i); };
        }
        gauge = &add<platform::ProgressBar>("speed");
        gauge->Move(4800, 5400, 2400, 200);
        gauge->Max = 10;
        tick = &add<platform::Timer>("tmrTick");
        tick->setInterval(200);
        tick->onTimer = [this] { gauge->setValue((gauge->value() + 1) % 11); };
    }
    void Form_KeyDown(int key, int) override {
        if (key == platform::vk::Escape) unload();
    }

private:
    void choose(int i) {
        if (i == 0) platform::MsgBox("The forms runtime is working.", platform::vbInformation);
        if (i == 1) tick->setEnabled(!tick->enabled());
        if (i == 2) unload();
    }
    platform::ControlArray<platform::Label> lbl3{this, "lbl3"};
    platform::ProgressBar* gauge = nullptr;
    platform::Timer* tick = nullptr;
};

}  // namespace

int main(int, char**) {
    platform::Video video;
    if (!video.init("Thorncall II")) return 1;
    platform::MixerAudio audio;
    platform::Runtime::get().setAudio(&audio);
    frmDemo::get().show();
    platform::Runtime::get().run();
    platform::Runtime::get().setAudio(nullptr);
    SDL_Quit();
    return 0;
}
