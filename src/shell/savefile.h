#pragma once
// The saved games: game.sv0 .. game.sv9 and their descriptions in save.ini.
// The game's save screen and the save editor both read and write through here.
#include <array>
#include <string>

#include "platform/error.h"

namespace savefile {

// saveGame's refusal of a state that a load would refuse, as before any game
// has been started or loaded.
class NotSaveable : public platform::Error {
public:
    using Error::Error;
};

// saveGame wrote the slot's file but could not update save.ini.
class SlotListNotUpdated : public platform::Error {
public:
    using Error::Error;
};

inline constexpr const char* kFileError =
    "Error saving or loading the file.  The file may not exist or is corrupt.";
inline constexpr const char* kFileErrorCaption = "File Not Found";

constexpr int kSlots = 10;
using SlotNames = std::array<std::string, kSlots>;

// The chapter of the story at a stage, and a slot's description:
// name, chapter and the percentage of the story done.
std::string chapter(int storyStage);
std::string description(const std::string& heroName, int storyStage);

std::string saveIniPath();

// save.ini. Reading throws platform::Error when the file is missing or holds
// fewer than ten descriptions.
SlotNames readSlotNames();
// The same into names, in place: on a short file the descriptions read
// before the failure stay in names, the rest keep what they held.
void readSlotNames(SlotNames& names);
void writeSlotNames(const SlotNames& names);
// Writes a save.ini of empty slots when there is none.
void createSlotNamesIfMissing();

// Writes the whole game state into the slot's file, then its description
// into save.ini and names. Throws NotSaveable, and touches no file, when the
// state holds a value that loadGame would refuse. Each file is replaced whole
// or not at all, and save.ini is rewritten only after the slot file is in
// place: a failure on the slot file leaves both files and names as they were
// (platform::Error), one on save.ini leaves the new slot file under its old
// description (SlotListNotUpdated).
void saveGame(int slot, SlotNames& names);

// Reads the slot's file into the game state. Nothing changes unless the whole
// file is valid; throws platform::Error otherwise.
void loadGame(int slot);

std::string slotPath(int slot);

}  // namespace savefile
