#include "shell/file_messages.h"

#include <string>

#include "platform/dialogs.h"
#include "shell/config.h"
#include "shell/savefile.h"

namespace shell {
namespace {

constexpr const char* kCannotUseFiles =
    "Thorncall II cannot read or write its files in the installed directory.";
constexpr const char* kSavedWithoutSlotList =
    "The game was saved, but the list of saved games could not be updated.";
constexpr const char* kNoGameToSave =
    "There is no game to save.  Load a saved game or start a new one first.";

std::string withReason(const char* text, const platform::Error& e) { return std::string(text) + "\n" + e.what(); }

}  // namespace

void showSettingsFileError(const platform::Error& e) {
    const bool damaged = dynamic_cast<const platform::Damaged*>(&e) != nullptr;
    platform::MsgBox(withReason(damaged ? config::kLoadError : kCannotUseFiles, e), platform::vbCritical, "Error");
}

void showSaveFailure(const platform::Error& e) {
    if (dynamic_cast<const savefile::NotSaveable*>(&e))
        platform::MsgBox(kNoGameToSave, platform::vbExclamation);
    else if (dynamic_cast<const savefile::SlotListNotUpdated*>(&e))
        platform::MsgBox(withReason(kSavedWithoutSlotList, e), platform::vbExclamation, "Game Saved");
    else
        platform::MsgBox(withReason(savefile::kFileError, e), platform::vbCritical, savefile::kFileErrorCaption);
}

}  // namespace shell
