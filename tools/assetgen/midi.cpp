#include "midi.h"

#include <algorithm>

namespace assetgen {
namespace {

void varLen(Bytes& out, std::uint32_t v) {
    std::uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7f;
    while ((v >>= 7) != 0) buf[n++] = static_cast<std::uint8_t>((v & 0x7f) | 0x80);
    while (n > 0) out.push_back(buf[--n]);
}

void be32(Bytes& out, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint8_t byte(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 127)); }

}  // namespace

void MidiTrack::add(std::uint32_t tick, int order, std::vector<std::uint8_t> data) {
    events_.push_back({tick, order, static_cast<std::uint32_t>(events_.size()), std::move(data)});
}

void MidiTrack::name(const std::string& text) {
    std::vector<std::uint8_t> d{0xff, 0x03, static_cast<std::uint8_t>(text.size())};
    d.insert(d.end(), text.begin(), text.end());
    add(0, 0, std::move(d));
}

void MidiTrack::tempo(std::uint32_t tick, int bpm) {
    const std::uint32_t us = 60000000u / static_cast<std::uint32_t>(bpm);
    add(tick, 0, {0xff, 0x51, 0x03, static_cast<std::uint8_t>(us >> 16), static_cast<std::uint8_t>(us >> 8), static_cast<std::uint8_t>(us)});
}

void MidiTrack::timeSignature(std::uint32_t tick, int beats) {
    add(tick, 0, {0xff, 0x58, 0x04, static_cast<std::uint8_t>(beats), 0x02, 0x18, 0x08});
}

void MidiTrack::program(std::uint32_t tick, int channel, int program) {
    add(tick, 0, {static_cast<std::uint8_t>(0xc0 | channel), byte(program)});
}

void MidiTrack::controller(std::uint32_t tick, int channel, int number, int value) {
    add(tick, 0, {static_cast<std::uint8_t>(0xb0 | channel), byte(number), byte(value)});
}

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
    add(tick, 2, {static_cast<std::uint8_t>(0x90 | channel), byte(key), static_cast<std::uint8_t>(std::clamp(velocity, 1, 127))});
    add(tick + length, 1, {static_cast<std::uint8_t>(0x80 | channel), byte(key), 0x40});
}

Bytes MidiTrack::encode(std::uint32_t endTick) const {
    std::vector<Event> sorted = events_;
    std::sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        if (a.tick != b.tick) return a.tick < b.tick;
        if (a.order != b.order) return a.order < b.order;
        return a.seq < b.seq;
    });
    Bytes body;
    std::uint32_t last = 0;
    for (const Event& e : sorted) {
        const std::uint32_t t = std::min(e.tick, endTick);
        varLen(body, t - last);
        last = t;
        body.insert(body.end(), e.data.begin(), e.data.end());
    }
    varLen(body, endTick - last);
    body.insert(body.end(), {0xff, 0x2f, 0x00});
    Bytes out{'M', 'T', 'r', 'k'};
    be32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes encodeMidiFile(const std::vector<MidiTrack>& tracks, int division, std::uint32_t endTick) {
    Bytes out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.push_back(static_cast<std::uint8_t>(tracks.size() >> 8));
    out.push_back(static_cast<std::uint8_t>(tracks.size()));
    out.push_back(static_cast<std::uint8_t>(division >> 8));
    out.push_back(static_cast<std::uint8_t>(division));
    for (const MidiTrack& t : tracks) {
        const Bytes b = t.encode(endTick);
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

}  // namespace assetgen
