// The talk box of the map screen: a face, the speaker, one line and OK.
#include "shell/frmtileset.h"
#include "shell/vars.h"
#include "world/frmmap.h"

namespace {

constexpr int kBoxLeft = 10, kBoxWidth = 700, kBoxHeight = 124;
constexpr int kBottomTop = 540 - kBoxHeight - 10, kTopTop = 10;
constexpr int kGap = 6;

}  // namespace

void frmMap::buildTalkBox() {
    // The talk-position setting puts the box at the top (1) or the bottom (0).
    // At the top it keeps clear of the status line and the face beside it.
    const platform::Image& face = add[0];
    const int underStatus = int(face.Top + face.Height) + kGap;
    const int top = Vars::talkPosition == 0 ? kBottomTop
                    : Vars::statusLine != 0 ? underStatus
                                            : kTopTop;

    imgTalkFrame = &Form::add<platform::Image>("imgTalkFrame");
    imgTalkFrame->Move(kBoxLeft, top, kBoxWidth, kBoxHeight);
    imgTalkFrame->Stretch = true;
    imgTalkFrame->BorderStyle = 1;

    imgTalk = &Form::add<platform::Image>("imgTalk");
    imgTalk->Move(kBoxLeft + 12, top + 12, 100, 100);
    imgTalk->Stretch = true;

    lblSpeaker = &Form::add<platform::Label>("lblSpeaker");
    lblSpeaker->Move(kBoxLeft + 124, top + 10, 400, 20);
    lblSpeaker->font = {"Arial", 11, true};

    lblTalk = &Form::add<platform::Label>("lblTalk");
    lblTalk->Move(kBoxLeft + 124, top + 34, kBoxWidth - 136, 60);
    lblTalk->font = {"Arial", 11, false};

    lblOK = &Form::add<platform::Label>("lblOK");
    lblOK->Move(kBoxLeft + kBoxWidth - 60, top + kBoxHeight - 28, 48, 20);
    lblOK->Caption = "OK";
    lblOK->Alignment = platform::Align::Center;
    lblOK->font = {"Arial", 11, true};
    lblOK->BorderStyle = 1;
    lblOK->onClick = [this] { lblOK_Click(); };

    for (platform::Label* l : {lblSpeaker, lblTalk, lblOK}) {
        l->Transparent = true;
        l->ForeColor = Vars::textColor;
    }
    const PictureArray& textures = frmTileset::get().windowTexture;
    if (textures.exists(Vars::frameTexture))
        imgTalkFrame->setPicture(textures[Vars::frameTexture]);
    closeTALK();
}

void frmMap::showText(const std::string& text, int portraitId, const std::string& speaker,
                      int mode) {
    if (lblOK == nullptr) return;  // the screen was never loaded
    Vars::portraitId = Vars::u8(portraitId);
    Vars::talkChain = mode != 0 ? -1 : 0;
    const PictureArray& faces = frmTileset::get().img;
    imgTalk->setPicture(faces.exists(portraitId) ? faces[portraitId] : nullptr);
    lblSpeaker->Caption = speaker;
    lblTalk->Caption = text;
    for (platform::Control* c : talkBoxControls()) {
        c->Visible = true;
        c->ZOrder(0);
    }
}

void frmMap::closeTALK() {
    if (lblOK == nullptr) return;
    for (platform::Control* c : talkBoxControls()) c->Visible = false;
}

std::array<platform::Control*, 5> frmMap::talkBoxControls() const {
    return {imgTalkFrame, imgTalk, lblSpeaker, lblTalk, lblOK};
}

bool frmMap::talkShown() const { return lblOK != nullptr && lblOK->Visible; }

// OK closes the line; in chained mode the area script then shows the next one.
void frmMap::lblOK_Click() {
    closeTALK();
    if (Vars::talkChain != 0) runAreaScript();
}
