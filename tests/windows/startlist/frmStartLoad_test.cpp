// frmStartLoad on the simulated machine: loading, editing and the bytes written on closing, the lists that must not
// be overwritten.
#include "windows/startlist/frmStartLoad.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "SimHost.h"
#include "mapping/mod_Subst.h"
#include "platform/WinConst.h"
#include "state/UiStrings.h"

namespace plivant {
namespace {

constexpr const char* kList = "C:\\P\\mount.ini";
constexpr int16_t kDelete = 46;

using namespace std::string_literals;  // texts with the NULs they hold

class StartLoadTest : public test::SimScreenTest {
protected:
    // The user answers Retry as often as given, then Cancel, then Yes to closing without saving; each message is noted
    // as its id and buttons.
    StartLoadTest() {
        sim.files.AddFolder("C:\\P");
        toolkit.onMessageBox = [this](const ui::sim::HeadlessToolkit::MessageBoxCall& box) {
            for (int id = 5030; id <= 5034; ++id)
                if (box.prompt == DefaultText(UiString(id)) && box.title == "Plivant")
                    said += std::to_string(id) + ":" + std::to_string(box.buttons) + " ";
            if ((box.buttons & 0xF) != win::kMbRetryCancel) return win::kIdYes;  // an OK box's answer is not read
            return retries-- > 0 ? win::kIdRetry : win::kIdCancel;
        };
    }
    void Session(const std::function<void(frmStartLoad&)>& act) {
        toolkit.onModal = [&](ui::Form&) {
            act(form);
            form.NuvaXPForm1.CloseButton.Click();
        };
        form.Show(1);
        EXPECT_FALSE(form.Loaded());
    }
    std::string said;
    int retries = 0;
    std::string folder = "C:\\P\\";
    frmStartLoad form{toolkit, ports, folder};
};

TEST_F(StartLoadTest, LoadEditAndCloseWritingEveryRowInOrder) {
    sim.dosDevices.AddGlobal("D:", "\\Device\\CdRom0");
    ASSERT_TRUE(DefineDrive(sim.dosDevices, "S", "C:\\Gone", 0));  // a mapped folder names a drive too
    sim.files.AddFile(kList, "E:\tC:\\My Data\r\nNo Tab\rX:\t\xC4Q\x01\0Z\n"s);
    sim.shell.browseChoice = "C:\\Data";
    Session([&](frmStartLoad& f) {
        std::string letters;
        for (const auto& item : f.cboDrive.Items()) letters += item;
        EXPECT_EQ(letters, "A:B:E:F:G:H:I:J:K:L:M:N:O:P:Q:R:T:U:V:W:X:Y:Z:");
        f.cmdAdd.Click();     // an empty folder box: nothing
        f.cmdBrowse.Click();  // the picker fills the folder box
        f.cmdAdd.Click();     // no letter chosen: the row begins with the TAB
        f.cboDrive.SetListIndex(2);
        f.cmdAdd.Click();
        f.cmdAdd.Click();  // both boxes keep their values: the same row again
        int16_t typed = 'q';
        f.txtBrowse.KeyPress(typed);  // display only
        f.vList.KeyUp(kDelete, 0);    // nothing selected
        f.vList.SetListIndex(1);
        f.vList.KeyUp(45, 0);  // Insert
        f.vList.KeyUp(kDelete, 0);
        sim.shell.browseChoice.reset();  // cancelled: the box keeps its folder
        f.cmdBrowse.Click();
        EXPECT_EQ(std::pair(f.txtBrowse.Text(), typed), std::pair("C:\\Data"s, int16_t{0}));
    });
    EXPECT_EQ(std::tuple(sim.shell.browses[0].title, sim.shell.browses[0].callbackDataText, sim.files.Content(kList)),
              std::tuple("Folder to mount", "C:\\P",
                         "e:\tc:\\my data\r\nx:\t\xC4q\x01\0z\r\n\tC:\\Data\r\nE:\tC:\\Data\r\nE:\tC:\\Data\r\n"s));
}

TEST_F(StartLoadTest, ListsItMustNotReplaceAreSaidSoAndRowsThatCannotBeSavedAreNeverLostWithoutAWord) {
    const std::string old = "E:\tC:\\Old\r\n";
    const std::string cut = "\xEF\xBB\xBF"s + "E:\tC:\\\xD0\r\n", cyrillic = "\xEF\xBB\xBF"s + "E:\tC:\\Жук\r\n";
    const uint32_t plain = win::kFileAttributeArchive;
    // The user adds a row (and, unless editing, deletes it again) and closes; a write that fails is retried once.
    const std::tuple<const char*, uint32_t, bool, bool, bool, std::string, std::string, const char*> cases[] = {
        {"locked", plain, true, true, true, old, old, "5031:48 5033:308 "},
        {"partial", plain, false, true, true, cut, cut, "5031:48 5033:308 "},  // a line malformed in its UTF-8
        {"hidden", win::kFileAttributeHidden, false, true, true, old, old, "5030:48 5033:308 "},
        {"hidden, unchanged", win::kFileAttributeHidden, false, true, false, old, old, "5030:48 "},
        {"read-only", win::kFileAttributeReadOnly, false, true, true, old, old, "5032:53 5032:53 5033:308 "},
        {"folder refuses", plain, false, false, true, old, old, "5032:53 5032:53 5033:308 "},
        {"folder refuses, unchanged", plain, false, false, false, old, old, ""},
        {"plain", plain, false, true, true, old, "e:\tc:\\old\r\nf:\tC:\\New\r\n", ""},
        {"another script", plain, false, true, true, cyrillic, "e:\tc:\\Жук\r\nf:\tC:\\New\r\n", ""}};
    for (const auto& [name, attributes, locked, folderWritable, edits, before, after, messages] : cases) {
        said.clear();
        retries = 1;
        sim.files.SetWritable("C:\\P", true);
        sim.files.AddFile(kList, before, attributes);
        sim.files.SetLocked(kList, locked);
        sim.files.SetWritable("C:\\P", folderWritable);
        Session([&](frmStartLoad& f) {
            sim.files.SetLocked(kList, false);  // let go of while the window is open: writable again
            EXPECT_EQ(f.txtBrowse.Text() + f.cboDrive.Text(), "");
            f.txtBrowse.SetText("C:\\New");
            f.cboDrive.SetText("f:");
            f.cmdAdd.Click();
            if (!edits) f.vList.RemoveItem(f.vList.ListCount() - 1);
        });
        EXPECT_EQ(std::tuple(sim.files.Content(kList), said), std::tuple(after, messages)) << name;
    }
}

}  // namespace
}  // namespace plivant
