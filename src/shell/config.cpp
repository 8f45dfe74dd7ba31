#include "shell/config.h"

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>

#include "platform/error.h"
#include "platform/seqfile.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace config {
namespace {

struct Setting {
    long lo, hi, byDefault;
    long (*get)();
    void (*set)(long);
};

template <auto& var>
constexpr Setting setting(long lo, long hi, long byDefault) {
    using T = std::remove_reference_t<decltype(var)>;
    return {lo, hi, byDefault, [] { return long(var); }, [](long v) { var = T(v); }};
}

// The file's lines, in order.
constexpr std::array kSettings = {
    setting<Vars::keyRight>(1, 255, 39),
    setting<Vars::keyLeft>(1, 255, 37),
    setting<Vars::keyUp>(1, 255, 38),
    setting<Vars::keyDown>(1, 255, 40),
    setting<Vars::keySelect>(1, 255, 13),
    setting<Vars::keyBalloon>(1, 255, 32),
    setting<Vars::frameTexture>(1, 5, 1),
    setting<Vars::textColor>(0, 0xFFFFFF, 0xFFFFFF),
    setting<Vars::backColor>(0, 0xFFFFFF, 0x000000),
    setting<Vars::musicOn>(0, 1, 1),
    setting<Vars::soundOn>(0, 1, 1),
    setting<Vars::weatherOn>(0, 1, 1),
    setting<Vars::autoBattle>(0, 1, 0),
    setting<Vars::talkPosition>(0, 1, 0),
    setting<Vars::statusLine>(0, 1, 1),
};

}  // namespace

std::string path() {
    Subs::getAppPath();
    Vars::appPath += "config.ini";
    return Vars::appPath;
}

void applyDefaults() {
    for (const Setting& s : kSettings) s.set(s.byDefault);
}

void save() {
    platform::SeqWriter out(path());
    for (const Setting& s : kSettings) out.writeInt(s.get());
    out.commit();
}

void load() {
    if (!platform::fileExists(path())) {
        applyDefaults();
        save();
        return;
    }
    platform::SeqReader in(path());
    std::array<long, kSettings.size()> values{};
    for (std::size_t i = 0; i < kSettings.size(); ++i)
        values[i] = in.nextInt(kSettings[i].lo, kSettings[i].hi);
    if (!in.eof())
        throw in.damaged("it holds more than " + std::to_string(kSettings.size()) + " settings, from line " +
                         std::to_string(in.line()) + " on");
    for (std::size_t i = 0; i < kSettings.size(); ++i) kSettings[i].set(values[i]);
}

}  // namespace config
