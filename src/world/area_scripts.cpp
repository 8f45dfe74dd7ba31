// The area scripts: the story route's triggers, run after every step.
#include "cutscenes/frmcutscene.h"
#include "party/frmchangecharacter.h"
#include "party/party.h"
#include "shell/frmtitle.h"
#include "shell/vars.h"
#include "world/frmmap.h"
#include "world/route.h"

namespace {

constexpr int kFledSteps = 5;      // what a flight leaves in the encounter counter
constexpr std::uint8_t kTitleTrack = 2;

}  // namespace

void frmMap::map0Events() { runEvents(0); }
void frmMap::map1Events() { runEvents(1); }
void frmMap::map2Events() { runEvents(2); }
void frmMap::map3Events() { runEvents(3); }
void frmMap::map4Events() { runEvents(4); }
void frmMap::map5Events() { runEvents(5); }
void frmMap::map6Events() { runEvents(6); }

void frmMap::runEvents(int map) {
    // The OK of a chained line goes on where the trigger stopped.
    if (chained_ != nullptr) {
        const world::Trigger* t = chained_;
        chained_ = nullptr;
        runActions(*t, chainedNext_);
        return;
    }
    if (const world::Trigger* t = world::triggerAt(map, world::progressNow(), Vars::posX, Vars::posY))
        runActions(*t, 0);
}

void frmMap::runActions(const world::Trigger& t, std::size_t from) {
    for (std::size_t i = from; i < t.actions.size(); ++i) {
        const world::Action& a = t.actions[i];
        const bool more = i + 1 < t.actions.size() && t.actions[i + 1].op != world::Op::none;
        switch (a.op) {
        case world::Op::none: return;
        case world::Op::say:
        case world::Op::sayAndGo: {
            const bool waits = a.op == world::Op::say && more;
            const bool byAlly = a.face == world::kAllyFace;
            const int face = byAlly ? Vars::allyId : a.face;
            const std::string speaker = a.speaker != nullptr ? a.speaker
                                        : byAlly             ? Vars::allyName
                                                             : Vars::heroName;
            showText(a.text, face, speaker, waits ? 1 : 0);
            if (waits) {
                chained_ = &t;
                chainedNext_ = i + 1;
                return;
            }
            break;
        }
        case world::Op::scene: frmCutscene::get().showModal(); break;
        case world::Op::fight:
            if (!fixedFight(a.n)) return;
            break;
        case world::Op::changeAlly: frmChangeCharacter::get().showModal(); break;
        case world::Op::refillParty:
            Subs::refillParty();
            redraw();
            break;
        case world::Op::stage: Vars::storyStage = Vars::i16(a.n); break;
        case world::Op::questStep: Vars::questFlags[std::size_t(t.quest)] = Vars::u8(a.n); break;
        case world::Op::endGame:
            Vars::heroHP = 0;
            Vars::areaTrack = kTitleTrack;
            frmTitle::get().show();
            if (isLoaded()) unload();
            return;
        }
    }
}

// A scripted battle with the zone's group back in force afterwards. It is won
// when the party stands, the screen is still here and nobody ran.
bool frmMap::fixedFight(int group) {
    const Vars::u8 zoneGroup = Vars::encounterGroup;
    Vars::encounterGroup = Vars::u8(group);
    Vars::encounterSteps = 0;
    startEncounter();
    const bool fled = Vars::encounterSteps == kFledSteps;
    Vars::encounterSteps = 0;
    Vars::encounterGroup = zoneGroup;
    return isLoaded() && Vars::heroHP > 0 && Vars::allyHP > 0 && !fled;
}
