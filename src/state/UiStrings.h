// The program's translatable texts: looked up by number in the user's language table, English by default.
#pragma once
#include <string>

#include "platform/Registry.h"

namespace plivant {

enum class UiString {
    FolderToMount = 5001,
    DriveCreationFailed = 5002,
    MountAtStartup = 5003,
    FolderPathToMount = 5004,
    DriveLetter = 5005,
    Add = 5006,
    Browse = 5007,
    ListToMount = 5008,
    Title = 5009,
    SetupMountAsWinBoot = 5010,
    Help = 5011,
    ListOfMountedFolders = 5012,
    ListOfPreviouslyMounted = 5013,
    HelpHeading = 5014,
    HelpParagraph1 = 5015,
    HelpParagraph2 = 5016,
    DevelopedBy = 5017,
    Unmount = 5018,
    Clear = 5019,
    Mount = 5020,
    About = 5029,
    StartListHidden = 5030,
    StartListPartial = 5031,
    StartListNotSaved = 5032,
    CloseWithoutSaving = 5033,
    HistoryNotCleared = 5034,
};

inline constexpr const char* kLanguageKey = "Software\\Corvinel\\Plivant\\Language";

// The English text of an identifier.
const char* DefaultText(UiString id);

// The text of an identifier from the language table, read anew at every call.
std::string LoadUiString(platform::IRegistry& registry, UiString id);

}  // namespace plivant
