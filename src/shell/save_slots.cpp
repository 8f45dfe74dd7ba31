// save.ini and the slot descriptions.
#include "platform/error.h"
#include "platform/seqfile.h"
#include "platform/vbmath.h"
#include "shell/savefile.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace savefile {
namespace {

constexpr const char* kHeader = "[SAVE DATA]";
constexpr const char* kEmptySlot = "Empty";

struct Chapter {
    int firstStage;
    const char* name;
};
constexpr Chapter kChapters[] = {
    {731, "The Final Battle"},    {545, "Into the Unknown"},      {489, "Tower Of The Zephyrs"},
    {440, "Finding A Cure"},      {345, "The Other Continent"},   {202, "The Demons' Plan"},
    {178, "To The Rescue"},
};

}  // namespace

std::string saveIniPath() {
    Subs::getAppPath();
    Vars::appPath += "save.ini";
    return Vars::appPath;
}

std::string chapter(int storyStage) {
    for (const Chapter& c : kChapters)
        if (storyStage >= c.firstStage) return c.name;
    return "The Lone Wanderers";
}

std::string description(const std::string& heroName, int storyStage) {
    const double percent = platform::Round(storyStage / 1000.0, 3) * 100;
    return heroName + "  -  " + chapter(storyStage) + "  " + platform::CStr(percent) + "%";
}

std::string slotPath(int slot) {
    if (slot < 0 || slot >= kSlots) throw platform::Error("No save slot " + std::to_string(slot));
    Subs::getAppPath();
    Vars::appPath += "game.sv" + std::to_string(slot);
    return Vars::appPath;
}

// Line by line, so a description holding a comma stays one slot. An empty
// line is an empty description, as the game writes one back; only the end of
// the file cuts the slots short.
void readSlotNames(SlotNames& names) {
    platform::SeqReader in(saveIniPath());
    in.lineInput();  // the header
    for (std::string& name : names) name = in.lineInput();
}

SlotNames readSlotNames() {
    SlotNames names;
    readSlotNames(names);
    return names;
}

void writeSlotNames(const SlotNames& names) {
    platform::SeqWriter out(saveIniPath());
    out.printLine(kHeader);
    for (const std::string& name : names) out.printLine(name);
    out.commit();
}

void createSlotNamesIfMissing() {
    if (platform::fileExists(saveIniPath())) return;
    SlotNames names;
    names.fill(kEmptySlot);
    writeSlotNames(names);
}

}  // namespace savefile
