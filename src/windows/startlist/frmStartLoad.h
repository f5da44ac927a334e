// frmStartLoad: the window in which the user edits the start-up list, the drive and folder pairs that the "/ini"
// run maps. It loads mount.ini when it opens and writes every row back when it closes, unless the list is one it
// must not replace (it says so when it opens); rows that cannot be saved are never dropped without the user's word.
// It maps nothing itself.
#pragma once
#include <string>

#include "platform/Platform.h"
#include "state/StartupList.h"
#include "state/UiStrings.h"
#include "ui/Controls.h"
#include "windows/shared/FramedForm.h"

namespace plivant {

class frmStartLoad : public FramedForm {
public:
    // The list lives in programFolder (read when the window loads and closes, so it may be set later).
    frmStartLoad(ui::Toolkit& toolkit, platform::Platform& platform, const std::string& programFolder);

    ui::ComboBox cboDrive;
    ui::TextBox txtBrowse;
    ui::CommandButton cmdBrowse;
    ui::CommandButton cmdAdd;
    ui::ListBox vList;

    // What reading the list found when the window last loaded.
    ListFileState ListState() const { return listState_; }

protected:
    void Form_Load() override;
    void Form_Unload(int16_t& Cancel) override;
    void Rescaled() override;  // the add button's picture too

private:
    void cmdAdd_Click();
    void cmdBrowse_Click();
    void vList_KeyUp(int16_t KeyCode, int16_t Shift);
    void LoadList();
    void LoadDrives();
    // The message of the id, with the buttons and a warning icon; the user's answer.
    int Say(UiString id, int buttons);

    platform::Platform& platform_;
    const std::string& programFolder_;
    ListFileState listState_ = ListFileState::Absent;
    std::vector<std::string> loadedRows_;  // the rows as the list was loaded
};

}  // namespace plivant
