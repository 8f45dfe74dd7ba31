#pragma once
// A small Standard MIDI File (format 1) writer.
#include <cstdint>
#include <string>
#include <vector>

#include "encode.h"

namespace assetgen {

class MidiTrack {
public:
    void name(const std::string& text);
    void tempo(std::uint32_t tick, int bpm);
    void timeSignature(std::uint32_t tick, int beats);
    void program(std::uint32_t tick, int channel, int program);
    void controller(std::uint32_t tick, int channel, int number, int value);
    // A note from `tick` lasting `length` ticks.
    void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
    // The track's events as bytes, ending at `endTick`.
    Bytes encode(std::uint32_t endTick) const;

private:
    struct Event {
        std::uint32_t tick;
        int order;  // at one tick: meta and controls, then note-offs, then note-ons
        std::uint32_t seq;
        std::vector<std::uint8_t> data;
    };
    void add(std::uint32_t tick, int order, std::vector<std::uint8_t> data);
    std::vector<Event> events_;
};

Bytes encodeMidiFile(const std::vector<MidiTrack>& tracks, int division, std::uint32_t endTick);

}  // namespace assetgen
