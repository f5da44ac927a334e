// The program's translatable texts and their English defaults, all in one place.
#include "state/UiStrings.h"

#include "platform/WinConst.h"
#include "state/modRegistry.h"

namespace plivant {

const char* DefaultText(UiString id) {
    switch (id) {
        case UiString::FolderToMount:
            return "Folder to mount";
        case UiString::DriveCreationFailed:
            return "Drive Creation Failed.  Please check your drive letter and path selections.";
        case UiString::MountAtStartup:
            return "Mount @ Windows Startup";
        case UiString::FolderPathToMount:
            return "Folder path to mount";
        case UiString::DriveLetter:
            return "Drive Letter";
        case UiString::Add:
            return "Add";
        case UiString::Browse:
            return "Browse";
        case UiString::ListToMount:
            return "List to mount";
        case UiString::Title:
            return "Plivant";
        case UiString::SetupMountAsWinBoot:
            return "Setup [Mount as Win Boot]";
        case UiString::Help:
            return "Help";
        case UiString::ListOfMountedFolders:
            return "List of Mounted Folders";
        case UiString::ListOfPreviouslyMounted:
            return "List of Previously Mounted Folders";
        case UiString::HelpHeading:
            return "PLIVANT HELP";
        case UiString::HelpParagraph1:
            return "Right-Click on folder in explorer|and select mount. Select the drive|letter and mount.";
        case UiString::HelpParagraph2:
            return "Mount on win startup will mount a|selected folder to a drive letter|when run from the startup "
                   "menu|with the switch /ini.";
        case UiString::DevelopedBy:
            return "Developed by";
        case UiString::Unmount:
            return "Unmount";
        case UiString::Clear:
            return "Clear";
        case UiString::Mount:
            return "Mount";
        case UiString::About:
            return "About";
        case UiString::StartListHidden:
            return "A start-up list exists but is hidden, so it is not mounted when Windows starts. This window will "
                   "not change it.";
        case UiString::StartListPartial:
            return "Part of the start-up list could not be read. This window will not change the file.";
        case UiString::StartListNotSaved:
            return "The start-up list could not be saved. Try again, or cancel to close without saving.";
        case UiString::CloseWithoutSaving:
            return "Close without saving? The rows you added or changed will be lost.";
        case UiString::HistoryNotCleared:
            return "The history could not be cleared: its file could not be deleted.";
    }
    return "";
}

std::string LoadUiString(platform::IRegistry& registry, UiString id) {
    return GetRegString(registry, win::kHkeyCurrentUser, kLanguageKey, std::to_string(static_cast<int>(id)),
                        DefaultText(id));
}

}  // namespace plivant
