// Word wrap of a caption far longer than its box: a one-megabyte word, as a
// damaged save.ini can put on the save screen, into a 300-pixel label.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <string>

#include "platform/font.h"
#include "platform/form.h"
#include "platform/runtime.h"

namespace {

const std::string& megabyteWord() {
    static const std::string word(1 << 20, 'x');
    return word;
}

const platform::Font kSlotFont{.name = "Arial", .size = 10, .bold = true};

// Every line of the word, as a box tall enough for all of them would need.
void WrapWholeWord(benchmark::State& state) {
    platform::wrapText(kSlotFont, "warm", 300);  // opens the font
    for (auto _ : state) benchmark::DoNotOptimize(platform::wrapText(kSlotFont, megabyteWord(), 300));
}
BENCHMARK(WrapWholeWord)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

class WrapForm : public platform::FormOf<WrapForm> {
public:
    WrapForm() : FormOf("WrapForm") {}
    platform::Label* slot = nullptr;

protected:
    void build() override {
        Width = 400 * 15;
        Height = 100 * 15;
        slot = &add<platform::Label>("lblSlot");
        slot->Move(0, 0, 300 * 15, 26 * 15);
        slot->font = kSlotFont;
    }
};

// The label as the save screen draws it: a new caption each time, so the
// wrap is done again, but only for the lines its box shows.
void DrawLabelWithNewCaption(benchmark::State& state) {
    WrapForm& f = WrapForm::get();
    f.show();
    SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_ARGB8888);
    std::string caption = megabyteWord();
    for (auto _ : state) {
        caption[0] = caption[0] == 'x' ? 'y' : 'x';
        f.slot->Caption = caption;
        platform::Runtime::get().compose(frame);
    }
    SDL_FreeSurface(frame);
    f.unload();
}
BENCHMARK(DrawLabelWithNewCaption)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The highlight moving onto and off the slot: a new colour, the same lines.
void DrawLabelWithNewColour(benchmark::State& state) {
    WrapForm& f = WrapForm::get();
    f.show();
    SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_ARGB8888);
    f.slot->Caption = megabyteWord();
    for (auto _ : state) {
        f.slot->ForeColor = f.slot->ForeColor == platform::vbWhite ? platform::vbBlack : platform::vbWhite;
        platform::Runtime::get().compose(frame);
    }
    SDL_FreeSurface(frame);
    f.unload();
}
BENCHMARK(DrawLabelWithNewColour)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
