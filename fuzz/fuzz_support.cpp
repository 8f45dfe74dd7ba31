#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <type_traits>

#include "platform/appfolder.h"
#include "shell/config.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace fuzz {
namespace {

std::string& folder() {
    static std::string f;
    return f;
}

void removeFolder() {
    std::error_code ec;
    if (!folder().empty()) std::filesystem::remove_all(folder(), ec);
}

template <class T>
void add(std::string& out, const T& value) {
    if constexpr (std::is_arithmetic_v<T>) {
        out.append(reinterpret_cast<const char*>(&value), sizeof value);
    } else if constexpr (std::is_same_v<T, std::string>) {
        add(out, value.size());
        out += value;
    } else if constexpr (std::is_arithmetic_v<typename T::value_type>) {
        out.append(reinterpret_cast<const char*>(value.data()), sizeof value);
    } else {
        for (const auto& v : value) add(out, v);
    }
}

}  // namespace

void setUp() {
    if (!folder().empty()) return;
    // In memory where there is such a folder: the writers sync every file.
    std::error_code ec;
    std::string name = std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : "/tmp";
    name += "/tc2fuzz.XXXXXX";
    if (!::mkdtemp(name.data())) fail("cannot make a temporary folder");
    folder() = std::string(name) + "/";
    std::atexit(removeFolder);
    platform::setAppFolder(folder());
    startState();
}

void startState() {
    using namespace Vars;
    Subs::seedRandom(1);
    config::applyDefaults();
    heroName = "Nina";
    allyName = "Sofi";
    allyId = 18;
    heroLevel = 1;
    heroHP = heroMaxHP = allyHP = allyMaxHP = 25;
    heroMP = heroMaxMP = 14;
    heroNextExp = 20;
    heroEquip = {0, 0, 9, 9, 9};
    allyEquip = {1, 0, 9, 9, 9};
    posX = 11, posY = 20;
    fillWorld();
}

void putFile(const std::string& name, std::string_view content) {
    std::ofstream out(folder() + name, std::ios::binary | std::ios::trunc);
    out.write(content.data(), std::streamsize(content.size()));
    if (!out) fail("cannot write " + name);
}

std::string getFile(const std::string& name) {
    std::ifstream in(folder() + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string stateBytes() {
    using namespace Vars;
    std::string out;
    add(out, mapData);
    add(out, curMap), add(out, posX), add(out, posY), add(out, facing);
    add(out, balloonX), add(out, balloonY), add(out, balloonMap);
    add(out, storyStage), add(out, questFlags), add(out, difficulty);
    add(out, heroName), add(out, heroHP), add(out, heroMaxHP), add(out, heroMP), add(out, heroMaxMP);
    add(out, heroStr), add(out, heroDex), add(out, heroWis), add(out, heroLevel);
    add(out, heroExp), add(out, heroNextExp), add(out, heroEquip), add(out, heroSpells);
    add(out, heroItems), add(out, amulet), add(out, amuletsOwned), add(out, rubies);
    add(out, allyId), add(out, allyName), add(out, allyHP), add(out, allyMaxHP);
    add(out, allyStr), add(out, allyDex), add(out, allyWis), add(out, allyEquip), add(out, allyMode);
    add(out, encounterGroup), add(out, encounterSteps), add(out, noFlee);
    add(out, monsterPic), add(out, monsterHP), add(out, monsterName), add(out, monsterHitMax);
    add(out, monsterHitMin), add(out, monsterSpecialMax), add(out, monsterSpecialMin);
    add(out, monsterAccuracy), add(out, monsterExp), add(out, monsterRubies);
    add(out, monsterDefense), add(out, monsterMagicDefense);
    add(out, monsterDelayMin), add(out, monsterDelayMax);
    add(out, musicTrack), add(out, areaTrack);
    add(out, saveMode), add(out, editorTile), add(out, portraitId), add(out, shopKind);
    add(out, talkChain);
    add(out, keyRight), add(out, keyLeft), add(out, keyUp), add(out, keyDown);
    add(out, keySelect), add(out, keyBalloon), add(out, frameTexture);
    add(out, textColor), add(out, backColor), add(out, musicOn), add(out, soundOn);
    add(out, weatherOn), add(out, autoBattle), add(out, talkPosition), add(out, statusLine);
    return out;
}

void fillWorld() {
    std::uint32_t x = 12345;
    for (auto& cell : Vars::mapData) {
        x = x * 1103515245u + 12345u;
        cell = std::uint8_t(x >> 24);
    }
}

SaveParts splitSave(const std::string& file) {
    std::size_t lines = 0;
    for (char c : file) lines += c == '\n';
    std::size_t at = 0;
    for (std::size_t n = 0; n + Vars::kMapCells - 1 < lines; ++n) at = file.find('\n', at) + 1;
    return {file.substr(0, at), file.substr(at)};
}

void fail(const std::string& what) {
    std::fprintf(stderr, "fuzz: %s\n", what.c_str());
    std::abort();
}

}  // namespace fuzz
