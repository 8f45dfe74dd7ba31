// The fair play-through: a newcomer's whole game, from hero creation to the
// ending, through the real screens on a virtual clock with seeded draws and
// no edits to the game state (see tests/support/fair_player.h for the
// player). It prints the defeats and where they came, the level and the play
// time at each scene, the random battles fought to grind and the total play
// time; with --table, the figures of several seeds on Normal and on Wimp with
// either policy, and on Hardcore with grinding.
//
//   bench_fair_play [--seed N | --seeds FIRST LAST] [--difficulty normal|hardcore|wimp]
//                   [--policy grinding|walking] [--table] [--quiet]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "support/fair_player.h"
#include "support/game_test.h"

namespace {

using fairplay::Difficulty;
using fairplay::Policy;

constexpr int kMaxDefeats = 30;  // a run that falls more often is not going anywhere
constexpr int kEnding = 1000;
const char* const kNames[] = {"Normal", "Hardcore", "Wimp"};
const char* policyName(Policy p) { return p == Policy::Grinding ? "grinding" : "walking"; }

std::string clock(std::uint64_t ms) {
    char out[32];
    const std::uint64_t s = ms / 1000;
    std::snprintf(out, sizeof out, "%llu:%02llu:%02llu", static_cast<unsigned long long>(s / 3600),
                  static_cast<unsigned long long>(s / 60 % 60), static_cast<unsigned long long>(s % 60));
    return out;
}

struct Run {
    std::uint32_t seed;
    Difficulty difficulty;
    Policy policy;
    fairplay::Record record;
    int lastBattleLevel = 0;
    double realSeconds = 0;
};

Run play(std::uint32_t seed, Difficulty difficulty, Policy policy) {
    Run run{seed, difficulty, policy, {}};
    const auto started = std::chrono::steady_clock::now();
    harness::Harness h;
    harness::resetGameState();
    h.linkAssets();
    {
        fairplay::Player player(h, seed, policy);
        player.newGame(difficulty);
        player.playUntil(kEnding, kMaxDefeats);
        run.record = player.record();
    }
    run.lastBattleLevel = run.record.levelAt(kEnding);
    run.realSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return run;
}

void printRun(const Run& r) {
    const fairplay::Record& rec = r.record;
    std::printf("fair play-through, seed %u, %s, %s\n", r.seed, kNames[r.difficulty], policyName(r.policy));
    for (const fairplay::SceneMark& s : rec.scenes)
        std::printf("  scene %4d  level %2d  exp %6d  %s\n", s.stage, s.level, s.exp, clock(s.ms).c_str());
    std::printf("  walking by stage (stage: steps, of them where a battle can come, battles, experience):\n   ");
    int n = 0;
    for (const auto& [stage, w] : rec.walks)
        std::printf(" %d: %d/%d/%d/%d%s", stage, w.steps, w.countedSteps, w.battles, w.exp, ++n % 6 ? "" : "\n   ");
    std::printf("\n");
    std::printf("  fixed fights (stage group level):");
    for (const fairplay::FightMark& f : rec.fixedFights) std::printf(" %d:%d:%d", f.stage, f.group, f.level);
    std::printf("\n");
    std::printf("  defeats: %zu\n", rec.defeats.size());
    for (const fairplay::Defeat& d : rec.defeats)
        std::printf("    at stage %d, map %d (%d, %d), group %d\n", d.stage, d.map, d.x, d.y, d.group);
    std::printf("  battles: %d (%zu fixed), %d fought to grind; chests opened: %d; rests taken: %d\n", rec.battles,
                rec.fixedFights.size(), rec.grindBattles, rec.chests, rec.rests);
    std::printf("  play time %s, grinding %s (%.0f %%), scenes %s\n", clock(rec.ms).c_str(),
                clock(rec.grindMs).c_str(), rec.ms ? 100.0 * double(rec.grindMs) / double(rec.ms) : 0.0,
                clock(rec.sceneMs).c_str());
    std::printf("  level at 344: %d, at 738: %d, at the last battle: %d\n", rec.levelAt(344), rec.levelAt(738),
                r.lastBattleLevel);
    std::printf("  %s (%.1f s real)\n\n", rec.ended ? "reached the ending" : ("stopped: " + rec.stuck).c_str(),
                r.realSeconds);
}

// "424:28 424:28" for two falls to group 28 at stage 424; "-" for none.
std::string whereFallen(const fairplay::Record& rec) {
    std::string out;
    for (const fairplay::Defeat& d : rec.defeats)
        out += (out.empty() ? "" : " ") + std::to_string(d.stage) + ":" + std::to_string(d.group);
    return out.empty() ? "-" : out;
}

void printTable(const std::vector<Run>& runs) {
    std::printf("| seed | difficulty | policy | ending | defeats | where (stage:group) | grinding battles | "
                "grinding time | play time | level at 344 | at 738 | at the last battle |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const Run& r : runs) {
        const fairplay::Record& rec = r.record;
        std::printf("| %u | %s | %s | %s | %zu | %s | %d | %s (%.0f %%) | %s | %d | %d | %d |\n", r.seed,
                    kNames[r.difficulty], policyName(r.policy), rec.ended ? "yes" : "no", rec.defeats.size(),
                    whereFallen(rec).c_str(), rec.grindBattles, clock(rec.grindMs).c_str(),
                    rec.ms ? 100.0 * double(rec.grindMs) / double(rec.ms) : 0.0, clock(rec.ms).c_str(),
                    rec.levelAt(344), rec.levelAt(738), r.lastBattleLevel);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::uint32_t firstSeed = 1, lastSeed = 1;
    Difficulty difficulty = fairplay::Normal;
    Policy policy = Policy::Grinding;
    bool table = false, quiet = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seed" && i + 1 < argc) {
            firstSeed = lastSeed = std::uint32_t(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--seeds" && i + 2 < argc) {
            firstSeed = std::uint32_t(std::strtoul(argv[++i], nullptr, 10));
            lastSeed = std::uint32_t(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--policy" && i + 1 < argc) {
            const std::string p = argv[++i];
            if (p != "grinding" && p != "walking") {
                std::fprintf(stderr, "unknown policy %s\n", p.c_str());
                return 2;
            }
            policy = p == "walking" ? Policy::Walking : Policy::Grinding;
        } else if (arg == "--difficulty" && i + 1 < argc) {
            const std::string d = argv[++i];
            difficulty = d == "hardcore" ? fairplay::Hardcore : d == "wimp" ? fairplay::Wimp : fairplay::Normal;
            if (d != "hardcore" && d != "wimp" && d != "normal") {
                std::fprintf(stderr, "unknown difficulty %s\n", d.c_str());
                return 2;
            }
        } else if (arg == "--table") {
            table = true;
        } else if (arg == "--quiet") {
            quiet = true;
        } else {
            std::fprintf(stderr,
                         "usage: %s [--seed N | --seeds FIRST LAST] [--difficulty normal|hardcore|wimp]\n"
                         "          [--policy grinding|walking] [--table] [--quiet]\n",
                         argv[0]);
            return 2;
        }
    }
    std::vector<Run> runs;
    if (table) {
        if (lastSeed == firstSeed) lastSeed = firstSeed + 4;
        for (Difficulty d : {fairplay::Normal, fairplay::Wimp})
            for (Policy p : {Policy::Grinding, Policy::Walking})
                for (std::uint32_t s = firstSeed; s <= lastSeed; ++s) runs.push_back(play(s, d, p));
        for (std::uint32_t s = firstSeed; s <= lastSeed; ++s)
            runs.push_back(play(s, fairplay::Hardcore, Policy::Grinding));
    } else {
        for (std::uint32_t s = firstSeed; s <= lastSeed; ++s) runs.push_back(play(s, difficulty, policy));
    }
    if (!quiet)
        for (const Run& r : runs) printRun(r);
    printTable(runs);
    bool allEnded = true;
    for (const Run& r : runs) allEnded = allEnded && r.record.ended;
    return allEnded ? 0 : 1;
}
