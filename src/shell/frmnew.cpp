#include "shell/frmnew.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <utility>

#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/font.h"
#include "shell/game_start.h"
#include "shell/subs.h"
#include "shell/vars.h"
#include "world/map_files.h"

namespace {

constexpr const char* kAttributeNames[] = {"Strength:", "Dexterity:", "Wisdom:"};
constexpr const char* kDifficulties[] = {"Normal", "Hardcore", "Wimp"};
constexpr int kMaxAttribute = frmNew::kBaseAttribute + frmNew::kPoints;
constexpr int kNameLength = 10;

// Entries, in the order of the screen from the top: a minus and a plus per
// attribute, then these.
enum Entry { DifficultyEntry = 6, OK = 7, Cancel = 8 };

platform::Label& styled(platform::Label& l, double size, bool bold) {
    l.Transparent = true;
    l.font = {.name = "Arial", .size = size, .bold = bold};
    return l;
}

}  // namespace

// Characters that show nothing or steer the text: control characters, the
// invisible marks of direction and width, the selectors of a letter's form,
// and what stands for a byte that was no character at all.
constexpr std::pair<int, int> kUnprintable[] = {
    {0x00, 0x1F}, {0x7F, 0x9F}, {0x200B, 0x200F}, {0x2028, 0x202E},
    {0x2060, 0x206F}, {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF}, {0xFFF9, 0xFFFD},
};

namespace {

bool unprintable(int ch) {
    return std::ranges::any_of(kUnprintable,
                               [ch](const auto& range) { return ch >= range.first && ch <= range.second; });
}

}  // namespace

bool frmNew::nameCharAllowed(int ch) {
    if (ch == 8) return true;  // backspace
    return !unprintable(ch) && ch != '"' && platform::canDraw(char32_t(ch));
}

std::string frmNew::undrawableRefused(int ch) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", unsigned(ch));
    return std::string("A name cannot hold the character ") + code + ": the game has no letter to show it.";
}

void frmNew::build() {
    buildWindow("New Game", "Create Your Hero", 420, 400);

    platform::Label& nameLabel = styled(add<platform::Label>("lblName"), 10, true);
    nameLabel.Move(600, 1200, 1500, 330);
    nameLabel.Caption = "Name:";
    txtName = &add<platform::TextBox>("txtName");
    txtName->Move(2100, 1150, 2400, 360);
    txtName->MaxLength = kNameLength;
    txtName->font = {.name = "Arial", .size = 10};
    txtName->Text = "Nina";
    txtName->onKeyPress = [](int& ch) {
        if (nameCharAllowed(ch)) return;
        if (ch == '"')
            platform::MsgBox(kQuoteRefused, platform::vbExclamation, "New Game");
        else if (!unprintable(ch))  // what shows nothing goes without a word
            platform::MsgBox(undrawableRefused(ch), platform::vbExclamation, "New Game");
        ch = 0;
    };

    for (int a = 0; a < 3; ++a) {
        const double top = 1950 + a * 510;
        platform::Label& name = styled(add(lblAttribute, a), 10, true);
        name.Move(600, top, 1500, 330);
        name.Caption = kAttributeNames[a];
        platform::Label& value = styled(add(lblValue, a), 10, true);
        value.Move(2100, top, 600, 330);
        value.Alignment = platform::Align::Center;
        platform::Label& minus = styled(add(lbl3, 2 * a), 12, true);
        minus.Move(2850, top - 45, 600, 390);
        minus.Caption = "( - )";
        platform::Label& plus = styled(add(lbl3, 2 * a + 1), 12, true);
        plus.Move(3600, top - 45, 600, 390);
        plus.Caption = "( + )";
    }
    lblPoints = &styled(add<platform::Label>("lblPoints"), 10, true);
    lblPoints->Move(600, 3500, 3600, 330);

    platform::Label& difficultyEntry = styled(add(lbl3, DifficultyEntry), 10, true);
    difficultyEntry.Move(600, 4100, 3900, 360);
    platform::Label& ok = styled(add(lbl3, OK), 12, true);
    ok.Move(900, 4950, 1800, 420);
    ok.Caption = "OK";
    ok.Alignment = platform::Align::Center;
    platform::Label& cancel = styled(add(lbl3, Cancel), 12, true);
    cancel.Move(3300, 4950, 1800, 420);
    cancel.Caption = "Cancel";
    cancel.Alignment = platform::Align::Center;
    menu.attach();
}

void frmNew::Form_Load() {
    attributes.fill(kBaseAttribute);
    difficulty = 0;
    showChoices();
}

int frmNew::pointsLeft() const {
    return kPoints - (std::accumulate(attributes.begin(), attributes.end(), 0) - 3 * kBaseAttribute);
}

void frmNew::showChoices() {
    for (int a = 0; a < 3; ++a) lblValue[a].Caption = std::to_string(attributes[a]);
    lblPoints->Caption = "Points left:  " + std::to_string(pointsLeft());
    lbl3[DifficultyEntry].Caption = std::string("Difficulty:  ") + kDifficulties[difficulty];
}

void frmNew::Form_KeyDown(int keyCode, int) { menu.keyDown(keyCode); }

void frmNew::lbl3_Click(int index) {
    if (index < DifficultyEntry) {
        int& value = attributes[index / 2];
        if (index % 2 == 0 && value > kBaseAttribute) --value;
        if (index % 2 == 1 && value < kMaxAttribute && pointsLeft() > 0) ++value;
        showChoices();
    } else if (index == DifficultyEntry) {
        difficulty = (difficulty + 1) % 3;
        showChoices();
    } else if (index == OK) {
        startGame();
    } else {
        unload();
    }
}

void frmNew::startGame() {
    const std::string& name = txtName->Text;
    if (std::all_of(name.begin(), name.end(), [](char c) { return c == ' '; })) {
        platform::MsgBox("Please enter a name for your hero.", platform::vbExclamation, "New Game");
        return;
    }
    if (pointsLeft() > 0) {
        platform::MsgBox("Please spend all your attribute points.", platform::vbExclamation,
                         "New Game");
        return;
    }
    Subs::initNewGame();
    Vars::heroName = name;
    Vars::heroStr = Vars::u8(attributes[0]);
    Vars::heroDex = Vars::u8(attributes[1]);
    Vars::heroWis = Vars::u8(attributes[2]);
    Vars::difficulty = Vars::u8(difficulty);
    try {
        world::loadAllMaps();
    } catch (const platform::Error& e) {
        platform::MsgBox(e.what(), platform::vbCritical, "Error");
        return;
    }
    shell::beginNewGame();
}
