// The one interpreter of scene operations: set-ups, steps and after-effects.
#include <string>

#include "cutscenes/frmcutscene.h"
#include "cutscenes/sound_effects.h"
#include "party/party.h"
#include "shell/frmtileset.h"
#include "shell/subs.h"
#include "shell/vars.h"

using cutscenes::Op;
using cutscenes::Operation;

void frmCutscene::perform(std::span<const Operation> ops) {
    for (const Operation& op : ops) {
        perform(op);
        if (op.op == Op::endScene) return;  // the form is gone
    }
}

void frmCutscene::perform(const Operation& op) {
    const frmTileset& store = frmTileset::get();
    switch (op.op) {
    case Op::setPortrait: Image1->setPicture(store.img[op.a]); break;
    case Op::clearPortrait: Image1->setPicture(pic[5].picture()); break;
    case Op::hidePortrait: Image1->Visible = false; break;
    case Op::setLine: {
        std::string line(op.text);
        if (op.namesHero) line += Vars::heroName + std::string(op.afterName);
        Label2->Caption = line;
        break;
    }
    case Op::setBackdrop: Image2->setPicture(store.battle[op.a]); break;
    case Op::setSprite: pic[op.a].setPicture(store.pic[op.b]); break;
    case Op::hideSprite: pic[op.a].Visible = false; break;
    case Op::moveSprite:
        // Single precision, as the figures' positions were always kept.
        pic[op.a].Left = static_cast<float>(static_cast<float>(pic[op.a].Left) + float(op.b));
        break;
    case Op::clearSprites: clearPics(); break;
    case Op::showNarration:
    case Op::hideNarration:
        for (auto& [index, label] : lbl) label->Visible = op.op == Op::showNarration;
        break;
    case Op::playTrack:
        Vars::musicTrack = Vars::u8(op.a);
        Subs::playMusic(Vars::musicTrack);
        break;
    case Op::playSound:
        for (const cutscenes::SoundEffect& s : cutscenes::kSoundEffects)
            if (s.number == op.a) s.play();
        break;
    case Op::jumpStep: step = op.a; break;
    case Op::jumpStepUnlessHardcore:
        if (Vars::difficulty != 1) step = op.a;
        break;
    case Op::refillParty: Subs::refillParty(); break;
    case Op::endScene: unload(); break;
    case Op::moveHero:
        Vars::posX = op.a;
        Vars::posY = op.b;
        break;
    case Op::companionJoins:
        Vars::allyId = Vars::u8(op.a);
        Subs::setAlly(Vars::allyId);
        Vars::allyHP = Vars::allyMaxHP;
        break;
    }
}
