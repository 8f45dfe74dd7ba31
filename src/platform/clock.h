#pragma once
#include <cstdint>

namespace platform {

// Milliseconds since an arbitrary start. Real in the game, virtual in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t now() const = 0;
};

class RealClock : public Clock {
public:
    std::uint64_t now() const override;
};

class VirtualClock : public Clock {
public:
    std::uint64_t now() const override { return now_; }
    void set(std::uint64_t ms) { now_ = ms; }

private:
    std::uint64_t now_ = 1000;
};

}  // namespace platform
