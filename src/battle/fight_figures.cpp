// The defence, strong-defence, block and damage-range figures of the hero
// and the ally. The defence and block figures are numbers the monsters read;
// their labels show them.
#include <array>
#include <string>

#include "battle/battle_common.h"
#include "battle/frmfight.h"
#include "platform/vbmath.h"
#include "shell/vars.h"

namespace {

// Figures by equipment code 0..9; a code without a row counts 0, so a
// rebuild always gives the same figures.
constexpr std::array<int, 10> kArmour = {0, 1, 3, 5, 7, 10, 10, 0, 0, 0};
constexpr std::array<int, 10> kHelmet = {1, 2, 3, 5, 7, 8, 0, 0, 0, 0};
constexpr std::array<int, 10> kBracers = {1, 2, 3, 5, 6, 0, 0, 0, 0, 0};
constexpr std::array<int, 10> kShield = {2, 4, 6, 8, 10, 12, 0, 0, 0, 0};
constexpr std::array<const char*, 7> kWeaponRange = {"1-4 + ",  "2-6 + ",  "4-10 + ", "6-12 + ",
                                                     "8-15 + ", "10-20 + ", "2-8 + "};
constexpr const char* kNoWeaponRange = "0-0 + ";
constexpr const char* kTransformedRange = "10-25 + ";

constexpr int kTransformedDefense = 5, kTransformedStrongDefense = 10;

int figure(const std::array<int, 10>& table, int code) {
    return code >= 0 && code < int(table.size()) ? table[code] : 0;
}

std::string weaponRange(int code) {
    return code >= 0 && code < int(kWeaponRange.size()) ? kWeaponRange[code] : kNoWeaponRange;
}

int tenth(int attribute) { return int(platform::Int(attribute / 10.0)); }

}  // namespace

void frmFight::setDefense(int i, int value) {
    defense_[i] = value;
    lblDefense[i].Caption = std::to_string(value);
}

void frmFight::setBlock(int i, int value) {
    block_[i] = value;
    lblBlock[i].Caption = std::to_string(value);
}

void frmFight::showDefense() {
    using Vars::allyEquip;
    using Vars::heroEquip;
    int heroDefense = figure(kArmour, heroEquip[1]) + figure(kHelmet, heroEquip[3]);
    if (transformed) heroDefense = kTransformedDefense;
    int heroStrong = transformed ? kTransformedStrongDefense : figure(kBracers, heroEquip[4]);
    heroStrong += int(platform::Int(Vars::heroWis / 20.0));
    int heroBlock = transformed ? 0 : figure(kShield, heroEquip[2]);
    int allyDefense = figure(kArmour, allyEquip[1]) + figure(kHelmet, allyEquip[3]);
    int allyStrong = figure(kBracers, allyEquip[4]) + int(platform::Int(Vars::allyWis / 20.0));
    int allyBlock = figure(kShield, allyEquip[2]);

    // Either Protect raises both members' block by the sum of the active terms.
    int protect = (allyProtect ? tenth(Vars::allyWis) : 0) + (heroProtect ? tenth(Vars::heroWis) : 0);
    const bool protectOn = heroProtect || allyProtect;
    if (protectOn) {
        heroBlock += protect;
        allyBlock += protect;
    }
    lblBlock[0].ForeColor = protectOn ? battle::kRed : battle::kWhite;
    lblBlock[1].ForeColor = protectOn ? battle::kRed : battle::kWhite;
    if (Vars::amulet == 2) {
        ++heroDefense;
        ++heroStrong;
    }
    setDefense(0, heroDefense);
    setDefense(2, heroStrong);
    setBlock(0, heroBlock);
    setDefense(1, allyDefense);
    setDefense(3, allyStrong);
    setBlock(1, allyBlock);
}

void frmFight::showAttack() {
    std::string hero = weaponRange(Vars::heroEquip[0]) + std::to_string(tenth(Vars::heroStr));
    if (transformed) {
        int bonus = tenth(Vars::heroStr) + (Vars::heroEquip[1] == 6 ? 4 : 0);
        hero = kTransformedRange + std::to_string(bonus);
    }
    std::string ally = weaponRange(Vars::allyEquip[0]) + std::to_string(tenth(Vars::allyStr));
    const bool vigorOn = heroVigor || allyVigor;
    if (vigorOn) {
        int vigor = (allyVigor ? tenth(Vars::allyWis) : 0) + (heroVigor ? tenth(Vars::heroWis) : 0);
        hero += " + " + std::to_string(vigor);
        ally += " + " + std::to_string(vigor);
    }
    lblAttack[0].Caption = hero;
    lblAttack[5].Caption = ally;
    lblAttack[0].ForeColor = vigorOn ? battle::kRed : battle::kWhite;
    lblAttack[5].ForeColor = vigorOn ? battle::kRed : battle::kWhite;
}
