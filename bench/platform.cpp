// The platform layer's drawing and file speeds.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <filesystem>

#include "platform/form.h"
#include "platform/runtime.h"
#include "platform/seqfile.h"

namespace {

class BenchForm : public platform::FormOf<BenchForm> {
public:
    BenchForm() : FormOf("BenchForm") {}
    bool manyControls = false;
    platform::PictureBox* view = nullptr;

protected:
    void build() override {
        Width = 800 * 15;
        Height = 600 * 15;
        borderStyle = platform::BorderStyle::None;
        view = &add<platform::PictureBox>("picMap");
        view->Move(0, 0, 720 * 15, 540 * 15);
        view->BorderStyle = 0;
        if (!manyControls) return;
        auto face = platform::MakePicture(72, 72, 0xFF806040);
        for (int i = 0; i < 60; ++i) {
            auto& l = add<platform::Label>("lbl" + std::to_string(i));
            l.Move((i % 6) * 1950.0, (i / 6) * 840.0, 1800, 300);
            l.Transparent = i % 2 == 0;
            l.font.bold = true;
            l.font.size = 9.75;
            l.Caption = "Health: " + std::to_string(100 + i) + " / 250";
        }
        for (int i = 0; i < 20; ++i) {
            auto& img = add<platform::Image>("img" + std::to_string(i));
            img.Stretch = i % 2 == 1;
            img.Move((i % 10) * 1200.0, 6000.0 + (i / 10) * 1200, 1080, 1080);
            img.setPicture(face);
        }
    }
};

void MapViewRedraw(benchmark::State& state) {
    BenchForm& f = BenchForm::get();
    f.manyControls = false;
    f.show();
    std::vector<platform::PicturePtr> tiles;
    for (int i = 0; i < 80; ++i) tiles.push_back(platform::MakePicture(36, 36, 0xFF000000u | (i * 0x030507)));
    auto chestMask = platform::MakePicture(36, 36, 0xFFFFFFFF);
    auto chest = platform::MakePicture(36, 36, 0xFF000000);
    platform::PictureBox& view = *f.view;
    for (auto _ : state) {
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 20; ++x) {
                view.PaintPicture(*tiles[(x * 7 + y * 3) % 80], x * 36, y * 36);
                if ((x + y) % 9 == 0) {
                    view.BitBlt(x * 36, y * 36, 36, 36, *chestMask, 0, 0, platform::Rop::SrcAnd);
                    view.BitBlt(x * 36, y * 36, 36, 36, *chest, 0, 0, platform::Rop::SrcPaint);
                }
            }
        view.BitBlt(360, 252, 36, 36, *chestMask, 0, 0, platform::Rop::SrcAnd);
        view.BitBlt(360, 252, 36, 36, *chest, 0, 0, platform::Rop::SrcPaint);
        benchmark::DoNotOptimize(view.pixel(0, 0));
    }
    f.unload();
}
BENCHMARK(MapViewRedraw)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void FormRender(benchmark::State& state) {
    BenchForm& f = BenchForm::get();
    f.manyControls = true;
    f.show();
    SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_ARGB8888);
    platform::Runtime::get().compose(frame);  // text pictures are made once
    for (auto _ : state) platform::Runtime::get().compose(frame);
    SDL_FreeSurface(frame);
    f.unload();
}
BENCHMARK(FormRender)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

constexpr int kSaveValues = 420073;

std::string tempFile() { return (std::filesystem::temp_directory_path() / "tc2-bench-values.txt").string(); }

void WriteFormWrite(benchmark::State& state) {
    for (auto _ : state) {
        platform::SeqWriter w(tempFile());
        for (int i = 0; i < kSaveValues; ++i) w.writeInt(i % 256 - 20);
        w.commit();
    }
}
BENCHMARK(WriteFormWrite)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void WriteFormRead(benchmark::State& state) {
    {
        platform::SeqWriter w(tempFile());
        for (int i = 0; i < kSaveValues; ++i) w.writeInt(i % 256 - 20);
        w.commit();
    }
    for (auto _ : state) {
        platform::SeqReader r(tempFile());
        long sum = 0;
        for (int i = 0; i < kSaveValues; ++i) sum += r.nextInt(-32768, 32767);
        benchmark::DoNotOptimize(sum);
    }
    std::filesystem::remove(tempFile());
}
BENCHMARK(WriteFormRead)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
