// The toolkit's windows from the keyboard, as a user drives any dialog: keys typed through the system's input and
// run by the program's own loop move the focus in creation order, press the focused, default and cancel buttons,
// open a combo box, scroll a multi-line box and raise the keyboard's context menus; a right click opens one popup.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolkitTesting.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace plivant::wine {
namespace {

// A dialog's controls, one under the other; a picture box holds one of them.
class DialogForm : public ui::Form {
public:
    explicit DialogForm(ui::Toolkit& toolkit) : ui::Form(toolkit, "frmDialog") {
        Move(1500, 1500, 6000, 4500);
        const std::vector<ui::Control*> placed{&txtPath,  &cboDrive, &picBox, &vList,
                                               &txtNotes, &imgAbout, &cmdOK,  &cmdCancel};
        for (size_t i = 0; i < placed.size(); ++i) placed[i]->Move(90, 90 + 450.0f * i, 3000, 400);
        txtInner.Move(30, 30, 2000, 300);
        txtNotes.SetMultiLine(true);
        txtNotes.SetScrollBars(ui::ScrollBars::Vertical);
        imgAbout.SetWindowed(true);
        imgAbout.SetPicture(ui::Bitmap(16, 16, 0x2060C0));
        cmdOK.SetCaption("OK");
        cmdOK.SetDefault(true);
        cmdCancel.SetCaption("Cancel");
        cmdCancel.SetCancel(true);
        for (ui::Control* c : Order()) c->onClick = [this, c] { clicked += c->Name() + " "; };
    }
    // Creation order, which Tab follows.
    std::vector<ui::Control*> Order() {
        return {&txtPath, &cboDrive, &txtInner, &vList, &txtNotes, &imgAbout, &cmdOK, &cmdCancel};
    }
    ui::TextBox txtPath{*this, "txtPath"};
    ui::ComboBox cboDrive{*this, "cboDrive"};
    ui::PictureBox picBox{*this, "picBox"};
    ui::TextBox txtInner{picBox, "txtInner"};
    ui::ListBox vList{*this, "vList"};
    ui::TextBox txtNotes{*this, "txtNotes"};
    ui::Image imgAbout{*this, "imgAbout"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};
    std::string clicked;
};

class ToolkitKeyboard : public ToolkitTest {
protected:
    void SetUp() override {
        form.Show();
        SetForegroundWindow(H(form.hwnd()));
        Pump();
    }
    // The control whose window has the focus (a combo box's edit field counts as the box).
    HWND Focused() const {
        const HWND focus = GetFocus();
        return GetParent(focus) == H(form.cboDrive.hwnd()) ? GetParent(focus) : focus;
    }
    DialogForm form{toolkit};
};

TEST_F(ToolkitKeyboard, TabAndShiftTabFollowTheCreationOrderIntoContainers) {
    const std::vector<ui::Control*> order = form.Order();
    ASSERT_EQ(Focused(), H(form.txtPath.hwnd()));  // shown, the form gives the focus to its first control
    for (size_t i = 1; i <= order.size(); ++i) {
        Press(VK_TAB);
        const ui::Control* expected = order[i % order.size()];
        EXPECT_EQ(Focused(), H(expected->hwnd())) << "Tab to " << expected->Name();
        EXPECT_EQ(form.ActiveControl(), expected) << "Tab to " << expected->Name();
    }
    for (size_t i = order.size(); i-- > 0;) {
        Press(VK_TAB, VK_SHIFT);
        EXPECT_EQ(Focused(), H(order[i]->hwnd())) << "Shift+Tab to " << order[i]->Name();
    }
    // Activated again, the form gives the focus back to its active control.
    form.cmdOK.SetFocus();
    SendMessageA(H(form.hwnd()), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(Focused(), H(form.cmdOK.hwnd()));
}

TEST_F(ToolkitKeyboard, EnterSpaceAndEscapePressTheRightButton) {
    struct Case {
        ui::Control* focus;
        WORD key;
        const char* clicked;
    };
    const Case cases[] = {
        {&form.txtPath, VK_RETURN, "cmdOK "},      {&form.txtPath, VK_ESCAPE, "cmdCancel "},
        {&form.txtNotes, VK_RETURN, "cmdOK "},     {&form.txtNotes, VK_ESCAPE, "cmdCancel "},
        {&form.cboDrive, VK_RETURN, "cmdOK "},     {&form.cmdCancel, VK_RETURN, "cmdCancel "},
        {&form.cmdCancel, VK_SPACE, "cmdCancel "}, {&form.cmdOK, VK_ESCAPE, "cmdCancel "},
        {&form.imgAbout, VK_SPACE, "imgAbout "},   {&form.imgAbout, VK_RETURN, "imgAbout "},
    };
    for (const Case& c : cases) {
        c.focus->SetFocus();
        form.clicked.clear();
        Press(c.key);
        EXPECT_EQ(form.clicked, c.clicked) << c.focus->Name() << ", key " << c.key;
    }
    form.cmdOK.SetVisible(false);  // without a visible default button, Enter presses nothing
    form.txtPath.SetFocus();
    form.clicked.clear();
    Press(VK_RETURN);
    EXPECT_EQ(form.clicked, "");
}

TEST_F(ToolkitKeyboard, TheComboBoxEditFieldReportsItsKeysAndAltDownOpensTheList) {
    for (const char* item : {"E: ", "F: "}) form.cboDrive.AddItem(item);
    std::string keys;
    form.cboDrive.onKeyDown = [&](int16_t key, int16_t) { keys += "down" + std::to_string(key) + " "; };
    form.cboDrive.onKeyUp = [&](int16_t key, int16_t) { keys += "up" + std::to_string(key) + " "; };
    form.cboDrive.onKeyPress = [&](int16_t& key) {
        keys += "press" + std::to_string(key) + " ";
        key = 0;  // the drive box takes no typing
    };
    form.cboDrive.SetFocus();
    Press('X');
    EXPECT_EQ(keys, "down88 press120 up88 ");
    EXPECT_EQ(WindowText(H(form.cboDrive.hwnd())), "");
    const auto dropped = [&] { return SendMessageA(H(form.cboDrive.hwnd()), CB_GETDROPPEDSTATE, 0, 0) != 0; };
    Press(VK_DOWN, VK_MENU);
    EXPECT_TRUE(dropped());
    Press(VK_ESCAPE);  // closes the list, and is not the form's Escape
    EXPECT_FALSE(dropped());
    EXPECT_EQ(form.clicked, "");
}

TEST_F(ToolkitKeyboard, PageAndArrowKeysScrollAMultiLineBoxThatTakesNoTyping) {
    std::string text;
    for (int i = 0; i < 60; ++i) text += "Line " + std::to_string(i) + "\r\n";
    form.txtNotes.SetText(text);
    form.txtNotes.onKeyPress = [](int16_t& key) { key = 0; };
    form.txtNotes.SetFocus();
    const auto firstVisible = [&] { return SendMessageA(H(form.txtNotes.hwnd()), EM_GETFIRSTVISIBLELINE, 0, 0); };
    Press(VK_NEXT);
    const LRESULT page = firstVisible();
    EXPECT_GT(page, 0);
    Press(VK_NEXT);
    EXPECT_GT(firstVisible(), page);
    Press(VK_PRIOR);
    Press(VK_PRIOR);
    EXPECT_EQ(firstVisible(), 0);
    for (int i = 0; i < 30; ++i) Press(VK_DOWN);
    EXPECT_GT(firstVisible(), 0);
    Press('X');
    EXPECT_EQ(form.txtNotes.Text(), text);
}

// Counts the popup menus shown (each is a window of the menu class) and closes each at once.
class MenuCounter {
public:
    MenuCounter() : hook_(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())) { count_ = 0; }
    ~MenuCounter() {
        KillTimer(nullptr, timer_);
        UnhookWindowsHookEx(hook_);
    }
    static inline int count_ = 0;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        char name[16] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (code == HCBT_CREATEWND && std::string(name) == "#32768") ++count_;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
    UINT_PTR timer_ = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
};

TEST_F(ToolkitKeyboard, KeyboardContextMenusAreRaisedAndARightClickOpensOnePopup) {
    ui::Menu mnuPopup(form, "mnuPopup", "Popup");
    mnuPopup.SetVisible(false);
    ui::Menu mnuItem(mnuPopup, "mnuItem", "Item");
    for (const char* row : {"X: \tC:\\One", "Y: \tC:\\Two", "Z: \tC:\\Three"}) form.vList.AddItem(row);
    form.vList.SetListIndex(2);
    std::vector<std::string> raised;
    form.vList.onContextMenu = [&](float x, float y) {
        raised.push_back("vList row " + std::to_string(form.vList.ItemAt(x, y)));
        form.PopupMenu(mnuPopup, x, y);
    };
    // The path box opens the window's popup when the right button goes down, as the windows do.
    form.txtPath.onMouseDown = [&](int16_t button, int16_t, float, float) {
        if (button == 2) form.PopupMenu(mnuPopup, 0, 0);
    };
    enum How { kRightButton, kShiftF10, kMenuKey };
    struct Case {
        ui::Control* control;
        How how;
        std::vector<std::string> raised;
        int menus;  // the window's popup, or the text box's own menu
    };
    const Case cases[] = {
        {&form.vList, kShiftF10, {"vList row 2"}, 1}, {&form.vList, kMenuKey, {"vList row 2"}, 1},
        {&form.vList, kRightButton, {}, 0},           {&form.txtPath, kRightButton, {}, 1},
        {&form.txtNotes, kRightButton, {}, 1},  // the box's own menu works
        {&form.txtNotes, kShiftF10, {}, 1},
    };
    for (const Case& c : cases) {
        raised.clear();
        MenuCounter menus;
        const HWND w = H(c.control->hwnd());
        c.control->SetFocus();
        if (c.how == kShiftF10) Press(VK_F10, VK_SHIFT);
        if (c.how == kMenuKey) Press(VK_APPS);
        if (c.how == kRightButton) {
            SendMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
            SendMessageA(w, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
            Pump();
        }
        EXPECT_EQ(raised, c.raised) << c.control->Name() << ", case " << c.how;
        EXPECT_EQ(MenuCounter::count_, c.menus) << c.control->Name() << ", case " << c.how;
    }
}

}  // namespace
}  // namespace plivant::wine
