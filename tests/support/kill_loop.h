#pragma once
// Kills a process in the middle of its work: a child runs `work` over and
// over and gets SIGKILL after a random delay; then `check` looks at what it
// left behind. The delays come from a seeded generator, so every run tries
// the same moments; what they hit varies, and `check` must hold for all.
#include <cstdint>
#include <functional>
#include <string>

namespace harness {

struct KillCount {
    int kills = 0;
    int midWrite = 0;  // kills that left `tmpPath` behind: a write was under way
};

KillCount killWhileWorking(const std::function<void()>& work, const std::function<void()>& check,
                           int times, int maxDelayUs, const std::string& tmpPath);

}  // namespace harness
